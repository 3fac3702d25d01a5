// orvanta-cli info and json on a Tabulon written by the writer: the summary for people and
// the whole Tabulon as JSON, texts in UTF-8, nothing on standard error.
#include "CliRunner.h"
#include "SampleTabulon.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace {

class ReadCommands : public ::testing::Test {
protected:
    void SetUp() override { path = WriteSampleTabulon(dir); }
    CliRun Run(const std::string& command) { return RunCli(dir, command + " " + ShellQuote(path)); }

    TempDir dir;
    std::string path;
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST_F(ReadCommands, InfoSummarisesHeaderAndDesign) {
    CliRun run = Run("info");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(Contains(run.out, "Name: MRA_Sample List\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "Design version: 30\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "Records: 2\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "Views (1):\n  View01: columns 1, 2\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "Filters (1):\n  Adults: 1 condition\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "Tabs (1):\n  G\xC3\xA9n\xC3\xA9ral: 2 rows\n")) << run.out;
}

TEST_F(ReadCommands, InfoListsEachUsedFieldWithSlotNameAndTypeLabel) {
    CliRun run = Run("info");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "Fields (10):\n")) << run.out;
    const char* lines[] = {
        "   0  Categories            List\n",     "   1  Name                  Text\n",
        "   2  Age                   Integer\n",  "   3  Price                 Float\n",
        "   4  Born                  Date\n",     "   5  Alarm                 Time\n",
        "   6  Done                  Checkbox\n", "   7  Farbe                 List\n",
        "   8  Notes                 Memo\n",     "   9  Serial                Auto Incremental\n"};
    for (const char* line : lines) EXPECT_TRUE(Contains(run.out, line)) << line << run.out;
}

TEST_F(ReadCommands, JsonGivesTheDesign) {
    CliRun run = Run("json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["name"], "MRA_Sample List");
    EXPECT_EQ(json["dbVersion"], 30);
    ASSERT_EQ(json["fields"].size(), 10u);
    EXPECT_EQ(json["fields"][0]["items"], nlohmann::json::parse(R"([{"index":1,"text":"Business"},
                                                                     {"index":2,"text":"Personal"}])"));
    EXPECT_EQ(json["fields"][1]["defaultValue"], "n/a");
    EXPECT_EQ(json["fields"][7]["items"][1], nlohmann::json::parse(R"({"index":2,"text":"Gr\u00fcn"})"));
    // Written as 3; a read gives the stored next value plus one.
    EXPECT_EQ(json["fields"][9]["nextValue"], 4);
    ASSERT_EQ(json["views"].size(), 1u);
    EXPECT_EQ(json["views"][0]["columns"], nlohmann::json::parse("[1, 2]"));
    EXPECT_EQ(json["filters"][0]["conditions"][0]["operator"], "J");
    EXPECT_EQ(json["filters"][0]["conditions"][0]["constant"], "18");
    EXPECT_EQ(json["tabs"][0]["rows"], 2);
}

TEST_F(ReadCommands, JsonGivesEveryRecordValue) {
    CliRun run = Run("json");
    ASSERT_EQ(run.status, 0) << run.err;
    nlohmann::json records = nlohmann::json::parse(run.out)["records"];
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0]["category"], 1);
    EXPECT_EQ(records[0]["key"], 1);
    nlohmann::json values = records[0]["values"];
    EXPECT_EQ(values["1"], "Caf\xC3\xA9 Zo\xC3\xAB");
    EXPECT_EQ(values["2"], 42);
    EXPECT_EQ(values["3"], 2.5);
    EXPECT_EQ(values["4"], "2004-10-27");
    EXPECT_EQ(values["5"], "07:30:00");
    EXPECT_EQ(values["6"], true);
    EXPECT_EQ(values["7"], 2);
    EXPECT_EQ(values["8"], "line 1\r\nline 2");
    EXPECT_EQ(values["9"], 1);
    EXPECT_EQ(records[1]["category"], 2);
    EXPECT_EQ(records[1]["values"]["3"], 0.25);
    EXPECT_EQ(records[1]["values"]["6"], false);
    EXPECT_EQ(records[1]["values"]["7"], 1);
    EXPECT_NE(records[0]["uniqueId"], records[1]["uniqueId"]);
}
