// DiffJson, table-driven: each row a pair of documents and the lines that must come out,
// naming each difference by its JSON path.
#include "cli/JsonDiff.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using orvanta::cli::DiffJson;
using orvanta::cli::Json;

TEST(JsonDiff, ReportsEachDifferenceByItsPath) {
    struct Case {
        const char* left;
        const char* right;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {R"({"a":1,"b":[1,{"c":"x"}]})", R"({"b":[1,{"c":"x"}],"a":1.0})", {}},  // key order, 1 == 1.0
        {R"({"r":[{},{"v":{"5":"abc"}}]})",
         R"({"r":[{},{"v":{"5":"abd"}}]})",
         {R"(r[1].v.5: "abc" != "abd")"}},
        {R"({"v":{"1":"x","2":true}})", R"({"v":{"1":"x"}})", {"v.2: true != (missing)"}},
        {R"({"v":{}})", R"({"v":{"7":[1,2]}})", {"v.7: (missing) != [1,2]"}},
        {R"({"r":[1,2,3]})", R"({"r":[1,5]})", {"r[1]: 2 != 5", "r: 3 items != 2 items"}},
        {R"({"v":{"a":1}})", R"({"v":null})", {R"(v: {"a":1} != null)"}},
        {"1", "2", {"(document): 1 != 2"}},
        {R"({"a":1,"b":{"c":2,"d":3}})", R"({"a":0,"b":{"c":2,"d":4}})", {"a: 1 != 0", "b.d: 3 != 4"}},
        {R"({"n":"Caf\u00e9"})", R"({"n":"Cafe\r\n"})", {"n: \"Caf\xC3\xA9\" != \"Cafe\\r\\n\""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DiffJson(Json::parse(c.left), Json::parse(c.right)), c.lines) << c.left;
}

TEST(JsonDiff, LongValuesAreShortened) {
    std::vector<std::string> lines = DiffJson(Json{{"t", std::string(200, 'x')}}, Json{{"t", "y"}});
    EXPECT_EQ(lines, std::vector<std::string>{"t: \"" + std::string(76, 'x') + "... != \"y\""});
}
