// orvanta-cli info, json, check, resave and dump on a Tabulon written by the writer: the summary
// and the JSON in UTF-8, round trips that must change nothing, the dump's three destinations,
// temporary files that do not outlive the run, and the progress bar on a terminal.
#include "CliRunner.h"
#include "SampleTabulon.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

class CliCommands : public ::testing::Test {
protected:
    void SetUp() override {
        path = WriteSampleTabulon(dir);
        fs::create_directory(temp);
    }
    // Runs "<command> <the sample> <rest>" with the program's temporary files in a folder of its own.
    CliRun Run(const std::string& command, const std::string& rest = "") {
        return RunCli(scratch, command + " " + ShellQuote(path) + rest,
                      "TMPDIR=" + ShellQuote(temp.string()));
    }

    TempDir dir;
    TempDir scratch;
    fs::path temp = dir.Path() / "tmp";
    std::string path;
};

// A save and a read raise an Auto Incremental field's next value by one (the sample's slot 9);
// apart from that the JSON before and after must be the same.
void ExpectSameAfterRoundTrip(const std::string& before, const std::string& after) {
    json expected = json::parse(before);
    expected["fields"][9]["nextValue"] = expected["fields"][9]["nextValue"].get<int>() + 1;
    EXPECT_EQ(json::parse(after), expected);
}

}  // namespace

TEST_F(CliCommands, InfoSummarisesHeaderAndDesignInUtf8) {
    CliRun run = Run("info");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    for (const char* part :
         {"Name: MRA_Sample List\nDesign version: 30\nRecords: 2\nFields (10):\n",
          "   0  Categories            List\n   1  Name                  Text\n",
          "   7  Farbe                 List\n", "   9  Serial                Auto Incremental\n",
          "Views (1):\n  View01: columns 1, 2\n", "Filters (1):\n  Adults: 1 condition\n",
          "Tabs (1):\n  G\xC3\xA9n\xC3\xA9ral: 2 rows\n"})
        EXPECT_TRUE(Contains(run.out, part)) << part << run.out;
}

TEST_F(CliCommands, JsonGivesTheDesignAndEveryRecordValue) {
    CliRun run = Run("json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    json tabulon = json::parse(run.out);
    EXPECT_EQ(tabulon["name"], "MRA_Sample List");
    ASSERT_EQ(tabulon["fields"].size(), 10u);
    EXPECT_EQ(tabulon["fields"][7]["items"][1], json::parse(R"({"index":2,"text":"Gr\u00fcn"})"));
    EXPECT_EQ(tabulon["fields"][9]["nextValue"], 4);  // written as 3; a read gives the stored value plus one
    EXPECT_EQ(tabulon["filters"][0]["conditions"][0]["constant"], "18");
    ASSERT_EQ(tabulon["records"].size(), 2u);
    EXPECT_EQ(tabulon["records"][0]["category"], 1);
    EXPECT_EQ(tabulon["records"][0]["values"],
              json::parse(R"({"1":"Caf\u00e9 Zo\u00eb","2":42,"3":2.5,"4":"2004-10-27","5":"07:30:00",
                              "6":true,"7":2,"8":"line 1\r\nline 2","9":1})"));
    EXPECT_EQ(tabulon["records"][1]["values"]["6"], false);
}

TEST_F(CliCommands, CheckSaysOkOrReportsWhatARoundTripChangesAndLeavesNoTraces) {
    std::vector<uint8_t> bytes = ReadBytes(path);
    CliRun run = Run("check");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(run.out + run.err, "ok\n");
    EXPECT_EQ(ReadBytes(path), bytes);
    // A list selection of -1 reads as a set value, but only selections above 0 are written:
    // the first record's "Farbe" entry (05 07 02) gets the selection FF.
    const std::vector<uint8_t> entry = {0x05, kColour, 0x02};
    auto found = std::find_end(bytes.begin(), bytes.end(), entry.begin(), entry.end());
    ASSERT_NE(found, bytes.end());
    found[2] = 0xFF;
    WriteBytes(path, bytes);
    run = Run("check");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out + run.err, "records[0].values.7: -1 != (missing)\n");
    EXPECT_TRUE(fs::is_empty(temp));
}

TEST_F(CliCommands, ResaveInPlaceOrToAnotherFileKeepsTheTabulon) {
    std::string original = Run("json").out, copy = dir.File("copy.pdb");
    CliRun run = Run("resave");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out + run.err, "");
    std::string resaved = Run("json").out;
    ExpectSameAfterRoundTrip(original, resaved);

    ASSERT_EQ(Run("resave", " -o " + ShellQuote(copy)).status, 0);
    path = copy;
    std::string copied = Run("json").out;
    EXPECT_TRUE(Contains(copied, "\"name\": \"MRA_Sample List\"")) << copied;
    ExpectSameAfterRoundTrip(resaved, copied);
    run = Run("resave", " -o " + ShellQuote(dir.File("no/such/x.PDB")));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "File could not be found or could not be opened.\n" + dir.File("no/such/x.PDB") +
                           ": No such file or directory\n");
}

TEST_F(CliCommands, DumpGoesNextToTheFileToAChosenFileOrToStandardOutput) {
    std::string nextToIt = dir.File("MRA_Sample List.txt"), chosen = dir.File("report.txt");
    CliRun run = Run("dump", " -o -");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "PDB HEADER")) << run.out;
    EXPECT_TRUE(Contains(run.out, "End Read (full read)")) << run.out;
    EXPECT_TRUE(fs::is_empty(temp));
    EXPECT_FALSE(fs::exists(nextToIt));
    ASSERT_EQ(Run("dump", " -o " + ShellQuote(chosen)).status, 0);
    EXPECT_TRUE(Contains(ReadText(chosen), "End Read (full read)"));
    EXPECT_FALSE(fs::exists(nextToIt));
    run = Run("dump");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadText(nextToIt), ReadText(chosen));
}

TEST_F(CliCommands, DumpOfADamagedFileKeepsWhatWasReadAndFails) {
    std::vector<uint8_t> bytes = ReadBytes(path);
    bytes.resize(78 + 8 * 10);  // the record list ends after ten entries
    WriteBytes(path, bytes);
    CliRun run = Run("dump", " -o -");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Couldn't read in all bytes in ReadN()\n" + path +
                           ": the file ends inside its header or record list.\n");
    EXPECT_TRUE(Contains(run.out, "PDB HEADER")) << run.out;
    EXPECT_FALSE(Contains(run.out, "End Read")) << run.out;
    EXPECT_TRUE(fs::is_empty(temp));
}

TEST_F(CliCommands, ProgressBarIsDrawnAndErasedOnATerminalOnly) {
    int status = -1;
    std::string shown = RunCliOnTerminal("check " + ShellQuote(path), &status);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(Contains(shown, "Loading Tabulon")) << shown;
    EXPECT_TRUE(Contains(shown, "100%")) << shown;
    EXPECT_EQ(shown.substr(shown.size() >= 4 ? shown.size() - 4 : 0), "\r\x1b[K") << shown;
}
