// Every example in docs/expressions.md, checked through the real component: the ```example
// blocks (expression => result), ```shown blocks (typed => shown again) and ```tokens blocks
// (expression => stored tokens), against the sample record the page describes.
#include "ExpressionFixture.h"

#include "platform/OleDate.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace expression_test {
namespace {

struct Block {
    std::string kind;  // example, shown or tokens
    int format = 0;
    int decimals = 3;
    bool firstRecord = false;  // no previous record
};

struct Example {
    Block block;
    std::string left;
    std::string right;
    int line = 0;
};

// The result formats by their codes, as the blocks name them.
const char* const kFormats[] = {"Floating",     "DatePlusDays", "DatePlusMonths", "DatePlusYears",
                                "Days",         "Months",       "Years",          "Time",
                                "Hours",        "Minutes",      "Seconds",        "HoursMinutesSeconds",
                                "HoursMinutes", "Text"};

int FormatCode(const std::string& name) {
    const auto found = std::find(std::begin(kFormats), std::end(kFormats), name);
    if (found == std::end(kFormats)) ADD_FAILURE() << "unknown result format " << name;
    return static_cast<int>(found - std::begin(kFormats));
}

// "```example format=Text decimals=0 first": the block's kind and settings.
Block ReadBlockHeader(const std::string& line) {
    std::istringstream words(line.substr(3));
    Block block;
    words >> block.kind;
    for (std::string word; words >> word;) {
        if (word.rfind("format=", 0) == 0)
            block.format = FormatCode(word.substr(7));
        else if (word.rfind("decimals=", 0) == 0)
            block.decimals = std::stoi(word.substr(9));
        else if (word == "first")
            block.firstRecord = true;
        else
            ADD_FAILURE() << "unknown block setting " << word;
    }
    return block;
}

std::vector<Example> ReadExamples() {
    std::ifstream file(ORVANTA_SOURCE_DIR "/docs/expressions.md");
    EXPECT_TRUE(file.good());
    std::vector<Example> examples;
    bool fenced = false;
    bool checked = false;  // a fenced block of examples, not some other fenced text
    Block block;
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        ++number;
        if (line.rfind("```", 0) == 0) {
            fenced = !fenced;
            checked = false;
            if (fenced && line.size() > 3) {
                block = ReadBlockHeader(line);
                checked = true;
            }
            continue;
        }
        if (!checked || line.empty()) continue;
        const size_t arrow = line.find("  =>  ");
        if (arrow == std::string::npos) {
            ADD_FAILURE() << "line " << number << " has no '  =>  ': " << line;
            continue;
        }
        examples.push_back({block, line.substr(0, arrow), line.substr(arrow + 6), number});
    }
    return examples;
}

std::string NumberText(double x) {
    char text[64];
    std::snprintf(text, sizeof(text), "%.6f", x);
    std::string result = text;
    while (result.back() == '0') result.pop_back();
    if (result.back() == '.') result.pop_back();
    return result == "-0" ? "0" : result;
}

std::string ClockText(double days) {
    const auto seconds = static_cast<int>(std::llround((days - std::floor(days)) * 86400)) % 86400;
    char text[16];
    std::snprintf(text, sizeof(text), "%02d:%02d", seconds / 3600, seconds / 60 % 60);
    return seconds % 60 ? std::string(text).append(":").append(std::to_string(100 + seconds % 60).substr(1))
                        : text;
}

std::string DateText(double date) {
    int y = 0, m = 0, d = 0, hh = 0, mm = 0, ss = 0;
    if (!orvanta::platform::OleDateToParts(date, &y, &m, &d, &hh, &mm, &ss)) return "bad date";
    char text[32];
    std::snprintf(text, sizeof(text), "%04d-%02d-%02d", y, m, d);
    return hh || mm || ss ? std::string(text) + " " + ClockText(date) : std::string(text);
}

// A result written the way the page writes it.
std::string ResultText(const Result& result) {
    static const char* colours[] = {"", " {red}", " {green}", " {blue}", " {yellow}"};
    const std::string text = result.kind == ValueKind::Empty    ? "empty"
                             : result.kind == ValueKind::Number ? NumberText(result.number)
                             : result.kind == ValueKind::Text   ? "'" + result.text + "'"
                             : result.kind == ValueKind::Date   ? DateText(result.number)
                                                                : ClockText(result.number);
    return text + (result.colour < 5 ? colours[result.colour] : " {?}");
}

class DocsTest : public ExpressionTest {
protected:
    void SetUp() override {
        ExpressionTest::SetUp();
        m_previousRecord.assign(81, InValue{});
        m_previousRecord[1] = Num(10);
        m_previousRecord[3] = Txt("Bob");
    }

    void CheckExample(const Example& example) {
        const std::string& expected = example.right;
        m_previous = example.block.firstRecord ? std::vector<InValue>{} : m_previousRecord;
        if (expected.rfind("error: ", 0) == 0) {
            Parse(example.left);
            EXPECT_NE(std::string::npos, m_parseError.find(expected.substr(7)))
                << "line " << example.line << ": " << example.left << " gave: " << m_parseError;
            return;
        }
        const Result result = Evaluate(example.left, example.block.format, example.block.decimals);
        EXPECT_EQ(expected, ResultText(result)) << "line " << example.line << ": " << example.left;
    }

    void CheckShown(const Example& example) {
        const Tokens tokens = Parse(example.left);
        EXPECT_EQ("", m_parseError) << "line " << example.line;
        EXPECT_EQ(example.right, ToText(tokens)) << "line " << example.line << ": " << example.left;
    }

    void CheckTokens(const Example& example) {
        const Tokens tokens = Parse(example.left);
        std::string text;
        for (size_t i = 0; i < tokens.types.size(); ++i) {
            const uint8_t type = tokens.types[i];
            const std::string& value = tokens.values[i];
            text += (i ? ", " : "") + std::to_string(type);
            if (type == 89 || type == 94 || type == 98)
                text += " #" + std::to_string(static_cast<uint8_t>(value[0]));
            else if (!value.empty())
                text += " '" + value + "'";
        }
        EXPECT_EQ(example.right, text)
            << "line " << example.line << ": " << example.left << ": " << m_parseError;
    }

    std::vector<InValue> m_previousRecord;
};

TEST_F(DocsTest, EveryExampleOnTheExpressionsPageHolds) {
    const std::vector<Example> examples = ReadExamples();
    EXPECT_GT(examples.size(), 80u);
    for (const Example& example : examples) {
        if (example.block.kind == "example")
            CheckExample(example);
        else if (example.block.kind == "shown")
            CheckShown(example);
        else if (example.block.kind == "tokens")
            CheckTokens(example);
        else
            ADD_FAILURE() << "line " << example.line << ": unknown block kind " << example.block.kind;
    }
}

}  // namespace
}  // namespace expression_test
