// Evaluating token lists beyond the examples of docs/expressions.md: binding and truthiness
// corners, calendar and rounding edges, colours of chosen branches, result formats, and damaged
// or random lists that must fail with a message and never crash.
#include "ExpressionFixture.h"

#include "platform/OleDate.h"

#include <cmath>
#include <random>

namespace expression_test {
namespace {

class EvaluateTest : public ExpressionTest {
protected:
    void ExpectKind(const std::string& text, int format, ValueKind kind, double number = 0) {
        const Result result = Evaluate(text, format);
        EXPECT_EQ(kind, result.kind) << text << " in format " << format;
        EXPECT_NEAR(number, result.number, 1e-9) << text << " in format " << format;
    }

    std::string Text(const std::string& text, int decimals = 3) { return Evaluate(text, 13, decimals).text; }
};

TEST_F(EvaluateTest, OperatorsBindAndReadTheirOperands) {
    const std::pair<const char*, double> cases[] = {
        {"24 / 4 / 3", 2},    {"7 % 3 * 2", 2},     {"2 * 3 ** 2", 18},
        {"- - 3", 3},         {"1 + 2 = 3", 1},     {"3 > 2 > 1", 0},
        {"1 | 0 & 0", 1},     {"1 | 1 ^ 1", 0},     {"!0 & 0", 0},
        {"!5 + 1", 0},        {"+'7' + 1", 8},      {"-Code", -12},
        {"Notes = ''", 1},    {"Notes < 'a'", 1},   {"'\xC9t\xE9' = '\xE9T\xC9'", 1},
        {"Price >= 12.5", 1}, {"Price <> 12.5", 0}, {"2 & 'x'", 1},
        {"0 | ''", 0},
    };
    for (const auto& [text, expected] : cases) ExpectKind(text, 0, ValueKind::Number, expected);
}

TEST_F(EvaluateTest, FunctionsAtTheirEdges) {
    const std::pair<const char*, double> cases[] = {
        {"Sign(0)", 0},
        {"Round(1.005, 2)", 1.01},
        {"Sel(2.9, 10, 20)", 20},
        {"Weekday(Due - 1)", 1},
        {"Weekday(Due - 2)", 7},
        {"Second(Time(1, 2, 3))", 3},
        {"Second(Time(0, 0, 59.6))", 0},
    };
    for (const auto& [text, expected] : cases) ExpectKind(text, 0, ValueKind::Number, expected);
    ExpectKind("Sel(0, 1, 2)", 0, ValueKind::Empty);
}

TEST_F(EvaluateTest, TodayIsAWholeDayAndNowATimeOfDay) {
    const auto day = orvanta::platform::LocalToday();
    double expected = 0;
    orvanta::platform::OleDateFromParts(day.year, day.month, day.day, 0, 0, 0, &expected);
    const Result today = Evaluate("Today", 13);
    EXPECT_EQ(ValueKind::Date, today.kind);
    EXPECT_NEAR(expected, today.number, 1.0);  // the day may turn while the test runs
    EXPECT_EQ(std::floor(today.number), today.number);
    const Result now = Evaluate("Now", 13);
    EXPECT_EQ(ValueKind::Time, now.kind);
    EXPECT_TRUE(now.number >= 0 && now.number < 1) << now.number;
}

TEST_F(EvaluateTest, OnlyTheLastColourWorkedOutCounts) {
    EXPECT_EQ(3u, Evaluate("{yellow} Sel(2, {red} 1, {blue} 2)").colour);
    EXPECT_EQ(4u, Evaluate("{blue} 1 + {yellow} 2").colour);
    EXPECT_EQ(0u, Evaluate("If(0, {green} 1, 2)").colour);
}

TEST_F(EvaluateTest, ResultFormats) {
    ExpectKind("Code", 0, ValueKind::Number, 12);
    ExpectKind("'365.2425'", 6, ValueKind::Number, 1);
    ExpectKind("'0.5'", 10, ValueKind::Number, 43200);
    ExpectKind("38411", 1, ValueKind::Date, kDue);
    for (int format : {1, 2, 3}) ExpectKind("Due + 1", format, ValueKind::Date, kDue + 1);
    for (int format : {7, 11, 12}) ExpectKind("End - Start", format, ValueKind::Time, 0.25 - 22.0 / 24);
    for (int format = 0; format < 13; ++format) ExpectKind("Notes", format, ValueKind::Empty);
    ExpectKind("Start", 13, ValueKind::Time, 22.0 / 24);
    EXPECT_EQ("0.33", Text("1 / 3", 2));
    EXPECT_EQ("0", Text("-0.0001"));
    EXPECT_EQ("1000000", Text("10 ** 6"));
    for (int format : {-1, 14}) {
        Result result;
        EXPECT_NE(0, EvaluateList(Parse("1"), format, 3, &result));
        EXPECT_EQ("Unknown result format " + std::to_string(format) + ".", m_evaluator->ErrorDescription());
    }
}

TEST_F(EvaluateTest, DamagedListsGiveErrors) {
    struct Case {
        Tokens tokens;
        const char* message;
    };
    const Case cases[] = {
        {{{}, {}}, "no tokens"},
        {{{86, 90}, {"1", ""}}, "Missing operand at the end of the list"},
        {{{86, 86}, {"1", "2"}}, "Missing operator at token 2"},
        {{{200}, {""}}, "Unknown token type 200 at token 1"},
        {{{94, 86, 96}, {"\x19", "1", ""}}, "Unknown function type 25"},
        {{{94, 86, 96}, {"", "1", ""}}, "Unknown function type 0"},
        {{{86, 98, 86}, {"1", "\x0C", "2"}}, "Unknown operator 12"},
        {{{94, 86, 96}, {"\x01", "1", ""}}, "If( takes 3 arguments, not 1"},
        {{{95, 86}, {"", "1"}}, "Missing ')'"},
        {{{9}, {""}}, "field 9, which the record does not have"},
    };
    m_record.resize(9);
    Result result;
    for (const Case& c : cases) {
        EXPECT_NE(0, EvaluateList(c.tokens, 0, 3, &result)) << c.message;
        EXPECT_NE(std::string::npos, m_evaluator->ErrorDescription().find(c.message))
            << m_evaluator->ErrorDescription();
    }
    // A list ends at its first type byte 0; values may be missing.
    EXPECT_EQ(0, EvaluateList({{86, 0, 200}, {"1"}}, 0, 3, &result));
    EXPECT_EQ(0, EvaluateList({{84}, {}}, 0, 3, &result));
    m_previous.assign(3, InValue{});
    EXPECT_NE(0, EvaluateList({{105}, {""}}, 0, 3, &result));
}

TEST_F(EvaluateTest, AnyByteSequenceEvaluatesOrFailsWithoutCrashing) {
    std::mt19937 random(20050228);
    const uint8_t likely[] = {1,  2,  3,  84, 86, 87, 88, 89,  90, 91, 92,
                              93, 94, 95, 96, 97, 98, 99, 101, 0,  255};
    for (int round = 0; round < 20000; ++round) {
        Tokens tokens;
        for (size_t i = 0, length = random() % 12; i < length; ++i) {
            tokens.types.push_back(random() % 4 ? likely[random() % std::size(likely)]
                                                : static_cast<uint8_t>(random()));
            tokens.values.push_back(random() % 3 ? std::string(1, static_cast<char>(random() % 20)) : "9");
        }
        Result result;
        const int format = static_cast<int>(random() % 16), decimals = static_cast<int>(random() % 30) - 5;
        if (EvaluateList(tokens, format, decimals, &result) != 0) {
            EXPECT_FALSE(m_evaluator->ErrorDescription().empty());
        }
        ToText(tokens);
    }
}

}  // namespace
}  // namespace expression_test
