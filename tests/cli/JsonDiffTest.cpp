// DiffJson, table-driven: each row a pair of documents and the lines that must come out,
// naming each difference by its JSON path.
#include "cli/JsonDiff.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using orvanta::cli::DiffJson;
using orvanta::cli::Json;

namespace {

struct DiffCase {
    const char* name;
    const char* left;
    const char* right;
    std::vector<std::string> lines;
};

class JsonDiffCase : public ::testing::TestWithParam<DiffCase> {};

const DiffCase kCases[] = {
    {"EqualDocuments", R"({"a":1,"b":[1,2,{"c":"x"}]})", R"({"a":1,"b":[1,2,{"c":"x"}]})", {}},
    {"KeyOrderDoesNotMatter", R"({"a":1,"b":2})", R"({"b":2,"a":1})", {}},
    {"IntegerAndUnsignedAreTheSameNumber", R"({"a":5})", R"({"a":5.0})", {}},
    {"RecordValueText",
     R"({"records":[{},{},{},{"values":{"5":"abc"}}]})",
     R"({"records":[{},{},{},{"values":{"5":"abd"}}]})",
     {R"(records[3].values.5: "abc" != "abd")"}},
    {"TopLevelNumber", R"({"attributes":8})", R"({"attributes":0})", {"attributes: 8 != 0"}},
    {"KeyOnlyOnTheLeft",
     R"({"values":{"1":"x","2":true}})",
     R"({"values":{"1":"x"}})",
     {"values.2: true != (missing)"}},
    {"KeyOnlyOnTheRight", R"({"values":{}})", R"({"values":{"7":[1,2]}})", {"values.7: (missing) != [1,2]"}},
    {"ArrayLengths",
     R"({"records":[1,2,3]})",
     R"({"records":[1,5]})",
     {"records[1]: 2 != 5", "records: 3 items != 2 items"}},
    {"TypeChange", R"({"v":{"value":1.5}})", R"({"v":{"value":null}})", {"v.value: 1.5 != null"}},
    {"ObjectBecomesScalar", R"({"v":{"a":1}})", R"({"v":"a"})", {R"(v: {"a":1} != "a")"}},
    {"WholeDocument", "1", "2", {"(document): 1 != 2"}},
    {"SeveralInDocumentOrder",
     R"({"a":1,"b":{"c":2,"d":3}})",
     R"({"a":0,"b":{"c":2,"d":4}})",
     {"a: 1 != 0", "b.d: 3 != 4"}},
};

}  // namespace

TEST_P(JsonDiffCase, ReportsEachDifferenceByPath) {
    const DiffCase& c = GetParam();
    EXPECT_EQ(DiffJson(Json::parse(c.left), Json::parse(c.right)), c.lines);
}

INSTANTIATE_TEST_SUITE_P(JsonDiff, JsonDiffCase, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JsonDiff, LongValuesAreShortened) {
    std::string longText(200, 'x');
    std::vector<std::string> lines = DiffJson(Json{{"t", longText}}, Json{{"t", "y"}});
    ASSERT_EQ(lines.size(), 1u);
    std::string expected = "t: \"" + std::string(76, 'x') + "... != \"y\"";
    EXPECT_EQ(lines[0], expected);
}

TEST(JsonDiff, TextIsShownAsJsonInUtf8) {
    std::vector<std::string> lines = DiffJson(Json{{"n", "Caf\xC3\xA9"}}, Json{{"n", "Cafe\r\n"}});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "n: \"Caf\xC3\xA9\" != \"Cafe\\r\\n\"");
}
