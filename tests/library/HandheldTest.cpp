// The Palm Desktop libraries loaded at run time from a desktop folder: users and their folders,
// the install queue, the HotSync status and the sync configurations; and each one absent.
#include "LibraryFixture.h"

#include "library/CHandheldDesktop.h"
#include "library/CSyncConfigLibrary.h"
#include "library/CTbBrowser.h"
#include "platform/Registry.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
namespace pf = orvanta::platform;

namespace {

class Handheld : public testing::Test {
protected:
    Handheld() : registry(dir.File("registry")) {
        fs::create_directories(Desktop());
        std::ofstream(Desktop() + "/Users") << "Ann\tusers/ann\t0\n"
                                               "Profile\tusers/profile\t1\n"
                                               "Bob\tusers/bob\t0\n"
                                               "Evil\t../../outside\t0\n"
                                               "Root\t/etc\t0\n";
        pf::RegistrySetValue(pf::RegistryRoot::CurrentUser, "Software\\U.S. Robotics\\Pilot Desktop\\Core",
                             "HotSyncPath", pf::RegistryString(Desktop() + "/HotSync.exe"));
    }
    std::string Desktop() const { return dir.Path().string() + "/desktop"; }
    void Place(const char* library) {
        fs::create_symlink(std::string(ORVANTA_COMPONENT_DIR) + "/" + library, Desktop() + "/" + library);
    }
    std::vector<std::string> Users(CHandheldDesktop& desktop) {
        std::vector<std::string> users;
        std::string name;
        for (int32_t r = desktop.FirstUser(&name); r == 0; r = desktop.NextUser(&name)) users.push_back(name);
        return users;
    }

    TempDir dir;
    ScopedRegistry registry;
};

}  // namespace

TEST_F(Handheld, InstallLibraryGivesUsersFoldersAndTheInstallQueue) {
    Place("libinstaide.so");
    CHandheldDesktop desktop;
    ASSERT_EQ(desktop.Load(), 0);
    EXPECT_EQ(desktop.Load(), 1);
    EXPECT_EQ(Users(desktop), (std::vector<std::string>{"Ann", "Bob", "Evil", "Root"}));
    std::string folder;
    ASSERT_EQ(desktop.UserDirectory("Ann", &folder), 0);
    EXPECT_EQ(folder, Desktop() + "/users/ann");
    for (const char* refused : {"Evil", "Root", "Nobody", "../Ann"})
        EXPECT_LT(desktop.UserDirectory(refused, &folder), 0) << refused;

    CTbBrowser browser(nullptr, nullptr);
    EXPECT_EQ(browser.OpenUser(&desktop, "Ann"), 1);
    EXPECT_EQ(browser.UserFolder(), Desktop() + "/users/ann/Orvanta/");
    EXPECT_EQ(browser.OpenUser(&desktop, "Evil"), 0);
    EXPECT_EQ(browser.UserFolder(), "");
    EXPECT_FALSE(fs::exists(dir.Path().parent_path().parent_path() / "outside"));

    fs::create_directories(dir.File("program/Handheld"));
    for (const char* file : CHandheldDesktop::kHandheldFiles)
        if (std::string(file) != "OrvantaDatebook.prc") WriteBytes(dir.File("program/Handheld/") + file, {1});
    EXPECT_NE(desktop.QueueHandheldApplications(dir.File("program"), "Ann"), 0);  // the third is missing
    EXPECT_TRUE(fs::exists(Desktop() + "/users/ann/Install/OrvantaChecklist.prc"));
    EXPECT_FALSE(fs::exists(Desktop() + "/users/ann/Install/OrvantaTimer.prc"));
    WriteBytes(dir.File("program/Handheld/OrvantaDatebook.prc"), {1});
    EXPECT_EQ(desktop.QueueHandheldApplications(dir.File("program"), "Ann"), 0);
    EXPECT_TRUE(fs::exists(Desktop() + "/users/ann/Install/OrvantaTimer.prc"));
}

TEST_F(Handheld, WithoutTheLibrariesThereAreNoUsersNoHotSyncAndNoSyncPartner) {
    CHandheldDesktop desktop;
    EXPECT_EQ(desktop.Load(), 0);
    EXPECT_FALSE(desktop.IsLoaded());
    EXPECT_TRUE(Users(desktop).empty());
    EXPECT_EQ(desktop.QueueHandheldApplications(dir.File("program"), "Ann"), 0);
    std::ofstream(Desktop() + "/HotSync.status") << "1";
    EXPECT_FALSE(IsHotSyncRunning());
    CTbBrowser browser(nullptr, nullptr);
    EXPECT_EQ(browser.OpenUser(&desktop, "Ann"), 0);
    EXPECT_EQ(browser.UserFolder(), "");
    CSyncConfigLibrary sync;
    uint16_t id = 0;
    EXPECT_FALSE(sync.HasConfiguration("Any", "Ann", &id));
    EXPECT_EQ(id, kNoSyncConfig);
    EXPECT_FALSE(sync.NewConfiguration("Ann", "MRA_Any"));
}

TEST_F(Handheld, HotSyncRunsOnlyWithStatusOne) {
    Place("libhsapi.so");
    EXPECT_FALSE(IsHotSyncRunning());  // no status file
    for (auto [status, running] : {std::pair{"2", false}, std::pair{"1", true}, std::pair{"junk", false}}) {
        std::ofstream(Desktop() + "/HotSync.status", std::ios::trunc) << status;
        EXPECT_EQ(IsHotSyncRunning(), running) << status;
    }
    pf::RegistryDeleteValue(pf::RegistryRoot::CurrentUser, "Software\\U.S. Robotics\\Pilot Desktop\\Core",
                            "HotSyncPath");
    EXPECT_FALSE(IsHotSyncRunning());
}

TEST_F(Handheld, SyncConfigurationsNameThePartnerAndGoWithTheTabulon) {
    fs::create_directories(dir.File("install/Desktop"));
    fs::create_symlink(std::string(ORVANTA_COMPONENT_DIR) + "/libdockline.so",
                       dir.File("install/Desktop/libdockline.so"));
    pf::RegistrySetValue(pf::RegistryRoot::CurrentUser, "Software\\Quennel\\Orvanta", "Path",
                         pf::RegistryString(dir.File("install")));
    fs::create_directories(dir.File("home"));
    CTbBrowser browser(nullptr, nullptr);
    browser.OpenUserDirectory(dir.File("home"), "Ann");
    ASSERT_GE(browser.CreateTabulon("Synced", 0, CardId{}), 0);
    CTbItem& item = *browser.Items()[0];
    EXPECT_EQ(item.SyncWithText(), "Orvanta Desktop");
    EXPECT_FALSE(browser.NewSyncConfiguration(item)) << "its header was not read yet";
    ASSERT_GE(item.Load(true), 0);
    ASSERT_TRUE(browser.NewSyncConfiguration(item));
    EXPECT_EQ(item.Db().GetLoadState(), TB_LOAD_FULL) << "read in full first";
    EXPECT_EQ(item.SyncWithText(), "Microsoft Access");
    uint16_t made = kNoSyncConfig;
    ASSERT_TRUE(browser.SyncConfig().HasConfiguration("Synced", "Ann", &made));
    EXPECT_TRUE(browser.EditSyncConfiguration(item, made));
    EXPECT_FALSE(browser.EditSyncConfiguration(item, kNoSyncConfig));
    EXPECT_FALSE(browser.EditSyncConfiguration(item, static_cast<uint16_t>(made + 1)))
        << "no such configuration";
    ASSERT_GE(browser.Delete(item.PdbName(), true), 0);
    uint16_t id;
    EXPECT_FALSE(browser.SyncConfig().HasConfiguration("Synced", "Ann", &id));
}
