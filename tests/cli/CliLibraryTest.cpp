// The library commands end to end: a desktop folder with the Palm Desktop stand-ins, a registry
// of the test's own, and the built orvanta-cli run as a user runs it.
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class CliLibrary : public testing::Test {
protected:
    CliLibrary() {
        fs::create_directories(Desktop());
        std::ofstream(Desktop() + "/Users") << "Ann\tann\t0\nProfile\tprofile\t1\n";
    }
    std::string Desktop() const { return dir.Path().string() + "/desktop"; }
    CliRun Run(const std::string& args) {
        return RunCli(scratch, args + " --desktop " + ShellQuote(Desktop()),
                      "ORVANTA_REGISTRY=" + ShellQuote(dir.File("registry")));
    }
    void PlaceInstaller() {
        fs::create_symlink(std::string(ORVANTA_COMPONENT_DIR) + "/libinstaide.so",
                           Desktop() + "/libinstaide.so");
    }

    TempDir dir, scratch;
};

}  // namespace

TEST_F(CliLibrary, WithoutTheInstallLibraryThereAreNoUsers) {
    CliRun run = Run("list --user Ann");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.err, "INSTAIDE.DLL")) << run.err;
}

TEST_F(CliLibrary, SamplesCreateRenameDeleteAndTheListBetween) {
    PlaceInstaller();
    EXPECT_EQ(Run("users").out, "Ann\n");
    ASSERT_EQ(Run("samples --user Ann --install 'Time Log' Contacts").status, 0);
    EXPECT_EQ(Run("create 'My List' --card 0102030405060708090a0b0c").status, 0);  // the user is remembered
    CliRun refused = Run("create 'my list'");
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(Contains(refused.err, "A Tabulon with this name already exists.")) << refused.err;
    ASSERT_EQ(Run("rename 'My List' 'Its/Name'").status, 0);
    ASSERT_EQ(Run("delete Contacts").status, 0);
    CliRun list = Run("list");
    EXPECT_EQ(list.out, "Its_Name\tOrvanta Desktop\t0\tNeeds Sync\tUnfiled\t" + std::string("1.2 KB\n") +
                            "Time Log\tOrvanta Desktop\t22\tNeeds Sync\tUnfiled\t5.9 KB\n");
    EXPECT_TRUE(Contains(Run("info 'Time Log'").out, "Records: 22"));
    CliRun deleted = Run("create Contacts");
    EXPECT_EQ(deleted.status, 1);
    EXPECT_TRUE(Contains(deleted.err, "was deleted on the desktop")) << deleted.err;
}

TEST_F(CliLibrary, HostileNamesStayInsideTheUsersFolders) {
    PlaceInstaller();
    WriteBytes(dir.File("victim.PDB"), {1, 2, 3});
    for (const char* args : {"list --user ../ann", "list --user Nobody", "delete ../victim --user Ann",
                             "info ../../victim --user Ann", "rename ../../victim x --user Ann"})
        EXPECT_EQ(Run(args).status, 1) << args;
    EXPECT_EQ(ReadBytes(dir.File("victim.PDB")), (std::vector<uint8_t>{1, 2, 3}));
    ASSERT_EQ(Run("create ../../Escape --user Ann").status, 0);
    EXPECT_TRUE(fs::exists(Desktop() + "/ann/Orvanta/MRA_.._.._Escape.PDB"));
}
