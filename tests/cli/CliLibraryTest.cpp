// The library commands end to end: a desktop folder with the Palm Desktop stand-ins, a registry
// of the test's own, and the built orvanta-cli run as a user runs it.
#include "CliRunner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

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

TEST_F(CliLibrary, ResolvedJsonAndRecalcUseTheJoinedSampleAndAMissingJoinIsUnresolved) {
    PlaceInstaller();
    ASSERT_EQ(Run("samples --user Ann --install Suppliers 'Workshop Stock'").status, 0);
    const std::string plain = Run("json 'Workshop Stock'").out;
    CliRun resolved = Run("json 'Workshop Stock' --resolved");
    ASSERT_EQ(resolved.status, 0) << resolved.err;
    nlohmann::json first = nlohmann::json::parse(resolved.out)["records"][0]["values"];
    EXPECT_EQ(first["2"], (nlohmann::json{{"value", "Brightwell Tools"}, {"display", "Brightwell Tools"}}));
    EXPECT_EQ(first["3"], (nlohmann::json{{"value", nullptr}, {"display", "555-0142"}}));
    EXPECT_EQ(first["5"]["display"], "5.0");
    EXPECT_FLOAT_EQ(first["8"]["value"].get<float>(), 55.1f);  // 4 at 14.50 less 5 percent
    nlohmann::json unmatched = nlohmann::json::parse(resolved.out)["records"][5]["values"];
    EXPECT_EQ(unmatched["2"]["display"], "");
    EXPECT_EQ(Run("json 'Workshop Stock'").out, plain);  // nothing was saved

    CliRun recalc = Run("recalc 'Workshop Stock'");
    ASSERT_EQ(recalc.status, 0) << recalc.err;
    EXPECT_EQ(recalc.out, "Resolved joins and recalculated 1 computed field in 6 records.\n");
    nlohmann::json saved = nlohmann::json::parse(Run("json 'Workshop Stock'").out)["records"][0]["values"];
    EXPECT_FLOAT_EQ(saved["8"]["value"].get<float>(), 55.1f);
    EXPECT_FALSE(saved.contains("3"));  // plain output shows no lookups

    ASSERT_EQ(Run("delete Suppliers").status, 0);
    CliRun missing = Run("json 'Workshop Stock' --resolved");
    EXPECT_EQ(missing.status, 0);
    first = nlohmann::json::parse(missing.out)["records"][0]["values"];
    EXPECT_EQ(first["2"]["display"], "UNRESOLVED");
    EXPECT_EQ(first["3"]["display"], "");
    EXPECT_FLOAT_EQ(first["8"]["value"].get<float>(), 58.0f);
}
