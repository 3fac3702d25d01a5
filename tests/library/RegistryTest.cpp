// The registry store and the preferences over it: first start, group defaults, values of the
// wrong type or too long, the file's text with LF or CR LF line ends, and two processes writing at once.
#include "LibraryFixture.h"

#include "library/CPvtrPrefs.h"
#include "platform/Registry.h"

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

namespace pf = orvanta::platform;

namespace {

const char* const kWidthKey = "Software\\Quennel\\Orvanta\\Pvtr\\ColWidth";

std::vector<uint32_t> Widths(const CPvtrPrefs& prefs) {
    std::vector<uint32_t> widths;
    for (int i = 0; i <= CPvtrPrefs::kColumnCount; ++i) widths.push_back(prefs.GetColumnWidth(i));
    return widths;
}

std::string RaceValueName(int writer, int i) {
    return std::string("w").append(std::to_string(writer)).append("_").append(std::to_string(i));
}

}  // namespace

TEST(Preferences, FirstStartDefaultsAreSavedAndGroupsComeBackWhole) {
    TempDir dir;
    ScopedRegistry registry(dir.File("config/orvanta/registry"));
    CPvtrPrefs prefs;
    EXPECT_NE(prefs.Load(), 0);
    EXPECT_EQ(Widths(prefs), (std::vector<uint32_t>{250, 150, 150, 150, 150, 100, 0}));
    int32_t x, y, h, w;
    prefs.GetWindowPosition(&x, &y, &h, &w);
    EXPECT_EQ(std::vector<int32_t>({x, y, h, w}), (std::vector<int32_t>{100, 100, 550, 850}));
    EXPECT_TRUE(prefs.IsDesignFirstRun());
    EXPECT_EQ(prefs.GetUserName(), "");

    prefs.SetColumnWidth(0, 300);
    prefs.SetColumnWidth(6, 999);
    prefs.SetWindowPosition(-20, 5, 600, 900);
    prefs.SetUserName("Ann");
    prefs.SetDesignFirstRun(false);
    ASSERT_EQ(prefs.Save(), 0);

    CPvtrPrefs again;
    EXPECT_EQ(again.Load(), 0);
    EXPECT_EQ(again.GetColumnWidth(0), 300u);
    again.GetWindowPosition(&x, &y, &h, &w);
    EXPECT_EQ(std::vector<int32_t>({x, y, h, w}), (std::vector<int32_t>{-20, 5, 600, 900}));
    EXPECT_EQ(again.GetUserName(), "Ann");
    EXPECT_FALSE(again.IsDesignFirstRun());
    pf::RegistryValue firstRun;
    ASSERT_EQ(pf::RegistryQueryValue(pf::RegistryRoot::CurrentUser,
                                     "Software\\Quennel\\Orvanta\\DesignFirstRun", "", &firstRun),
              0u);
    EXPECT_EQ(firstRun.type, pf::REG_DWORD);
    EXPECT_EQ(firstRun.data, std::string(4, '\0'));

    pf::RegistryDeleteValue(pf::RegistryRoot::CurrentUser, kWidthKey, "2");
    CPvtrPrefs third;
    EXPECT_NE(third.Load(), 0);
    EXPECT_EQ(third.GetColumnWidth(0), 250u);
}

TEST(Preferences, WrongTypesReadAsZeroAndOverlongNamesAsMissing) {
    TempDir dir;
    ScopedRegistry registry(dir.File("registry"));
    CPvtrPrefs().Save();
    pf::RegistrySetValue(pf::RegistryRoot::CurrentUser, kWidthKey, "1", pf::RegistryString("wide"));
    pf::RegistrySetValue(pf::RegistryRoot::CurrentUser, "Software\\Quennel\\Orvanta\\User", "",
                         pf::RegistryString(std::string(300, 'u')));
    CPvtrPrefs prefs;
    prefs.Load();
    EXPECT_EQ(prefs.GetColumnWidth(1), 0u);
    EXPECT_EQ(prefs.GetUserName(), "");
    pf::RegistrySetValue(pf::RegistryRoot::CurrentUser, "Software\\Quennel\\Orvanta\\User", "",
                         pf::RegistryString(std::string(255, 'u')));
    prefs.Load();
    EXPECT_EQ(prefs.GetUserName(), std::string(255, 'u'));
}

TEST(RegistryStore, TextKeepsTypesEscapesAndPassesOverBrokenLines) {
    TempDir dir;
    ScopedRegistry registry(dir.File("registry"));
    std::ofstream(dir.File("registry")) << "junk before any key\n"
                                           "[HKEY_CURRENT_USER\\Software\\Test]\n"
                                           "\"d\"=dword:0000002a\r\n"
                                           "\"s\"=\"a \\\"q\\\" \\\\ \\x01\"\n"
                                           "\"b\"=hex(3):01,ff\n"
                                           "\"broken\"=dword:zz\n"
                                           "\"open=\"no end\n"
                                           "\x01\x02\xff garbage\n";
    pf::RegistryValue value;
    ASSERT_EQ(pf::RegistryQueryValue(pf::RegistryRoot::CurrentUser, "software\\TEST\\", "D", &value), 0u);
    EXPECT_EQ(value.data, pf::RegistryDword(42).data);
    ASSERT_EQ(pf::RegistryQueryValue(pf::RegistryRoot::CurrentUser, "Software\\Test", "s", &value), 0u);
    EXPECT_EQ(value.data, std::string("a \"q\" \\ \x01", 9) + '\0');
    ASSERT_EQ(pf::RegistryQueryValue(pf::RegistryRoot::CurrentUser, "Software\\Test", "b", &value), 0u);
    EXPECT_EQ(value.type, pf::REG_BINARY);
    EXPECT_NE(pf::RegistryQueryValue(pf::RegistryRoot::CurrentUser, "Software\\Test", "broken", &value), 0u);
    EXPECT_NE(pf::RegistryQueryValue(pf::RegistryRoot::LocalMachine, "Software\\Test", "d", &value), 0u);
    // A rewrite keeps every value that was read.
    ASSERT_EQ(
        pf::RegistrySetValue(pf::RegistryRoot::LocalMachine, "Software\\Test", "d", pf::RegistryDword(7)),
        0u);
    ASSERT_EQ(pf::RegistryQueryValue(pf::RegistryRoot::CurrentUser, "Software\\Test", "s", &value), 0u);
    EXPECT_EQ(value.data, std::string("a \"q\" \\ \x01", 9) + '\0');
}

TEST(RegistryStore, TwoProcessesWritingAtOnceLoseNothing) {
    TempDir dir;
    ScopedRegistry registry(dir.File("registry"));
    constexpr int kWrites = 60;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = ::fork();
        if (children[c] == 0) {
            for (int i = 0; i < kWrites; ++i)
                pf::RegistrySetValue(pf::RegistryRoot::CurrentUser, "Software\\Race", RaceValueName(c, i),
                                     pf::RegistryDword(i));
            ::_exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < kWrites; ++i) {
            pf::RegistryValue value;
            ASSERT_EQ(pf::RegistryQueryValue(pf::RegistryRoot::CurrentUser, "Software\\Race",
                                             RaceValueName(c, i), &value),
                      0u)
                << c << " " << i;
            EXPECT_EQ(value.data, pf::RegistryDword(static_cast<uint32_t>(i)).data);
        }
}
