// Evaluating token lists: precedence, arithmetic on numbers, texts, dates and times, the
// functions, colours, result formats, and damaged lists that must fail without a crash.
#include "ExpressionFixture.h"

#include "platform/OleDate.h"

#include <cmath>
#include <random>

namespace expression_test {
namespace {

constexpr double kDue = 38411;  // 2005-02-28, a Monday

class EvaluateTest : public ExpressionTest {
protected:
    void SetUp() override {
        ExpressionTest::SetUp();
        Field(1, "Price", Num(12.5));
        Field(2, "Quantity", Num(4));
        Field(3, "Name", Txt("Ann"));
        Field(4, "Due", DateValue(kDue));
        Field(5, "Start", TimeValue(22.0 / 24));
        Field(6, "End", TimeValue(6.0 / 24));
        Field(7, "Notes");
        Field(8, "Code", Txt("12abc"));
    }

    void ExpectNumbers(const std::vector<std::pair<const char*, double>>& cases) {
        for (const auto& [text, expected] : cases) EXPECT_NEAR(expected, Number(text), 1e-9) << text;
    }

    void ExpectEmpty(const std::string& text, int format = 0) {
        EXPECT_EQ(ValueKind::Empty, Evaluate(text, format).kind) << text;
    }

    // The Text format keeps dates and times as they are.
    void ExpectKind(const std::string& text, ValueKind kind, double number, int format = 13) {
        const Result result = Evaluate(text, format);
        EXPECT_EQ(kind, result.kind) << text;
        EXPECT_NEAR(number, result.number, 1e-9) << text;
    }

    int32_t EvaluateList(const std::vector<uint8_t>& types, const std::vector<std::string>& values,
                         int format = 0) {
        Result result;
        return m_evaluator->Evaluate({}, types, values, m_record, m_previous, 3, format, &result);
    }
};

TEST_F(EvaluateTest, PrecedenceAndAssociativity) {
    ExpectNumbers({{"2 + 3 * 4", 14},
                   {"(2 + 3) * 4", 20},
                   {"10 - 4 - 3", 3},
                   {"24 / 4 / 3", 2},
                   {"7 % 3 * 2", 2},
                   {"-7 % 3", -1},
                   {"2 ** 3 ** 2", 512},
                   {"-2 ** 2", -4},
                   {"2 ** -1", 0.5},
                   {"2 * 3 ** 2", 18},
                   {"- - 3", 3},
                   {"1 + 2 = 3", 1},
                   {"1 < 2 & 3 > 4", 0},
                   {"1 | 0 & 0", 1},
                   {"1 | 1 ^ 1", 0},
                   {"!5 + 1", 0},
                   {"!0 & 0", 0},
                   {"3 > 2 > 1", 0},
                   {"+'7' + 1", 8}});
}

TEST_F(EvaluateTest, ArithmeticOnTextsAndEmptyValues) {
    ExpectNumbers({{"Code * 2", 24}, {"Name * 2", 0}, {"Notes + 1", 1}, {"Code - 2", 10}, {"-Code", -12}});
    EXPECT_EQ("Ann 12.5", Text("Name + ' ' + Price"));
    EXPECT_EQ("Ann 13", Text("Name + ' ' + Price", 0));
    EXPECT_EQ("Ann", Text("Notes + Name"));
    EXPECT_EQ("121", Text("'12' + 1"));
    EXPECT_EQ("Due 2005-02-28, from 22:00", Text("'Due ' + Due + ', from ' + Start"));
    ExpectEmpty("1 / 0");
    ExpectEmpty("5 % 0");
    ExpectEmpty("Sqrt(-1)");
    ExpectEmpty("10 ** 400");
    ExpectNumbers({{"1 / 0 + 1", 1}, {"5.5 % 2", 1.5}});
}

TEST_F(EvaluateTest, ComparisonsAndLogic) {
    ExpectNumbers({{"Name = 'ANN'", 1},
                   {"'b' > 'A'", 1},
                   {"'10' < '9'", 1},
                   {"Code = 12", 1},
                   {"Notes = ''", 1},
                   {"Notes < 'a'", 1},
                   {"'\xC9t\xE9' = '\xE9T\xC9'", 1},
                   {"Price >= 12.5", 1},
                   {"Price <> 12.5", 0},
                   {"Due > Date(2005, 1, 1)", 1},
                   {"2 & 'x'", 1},
                   {"0 | ''", 0},
                   {"1 ^ 1", 0},
                   {"!Notes", 1}});
}

TEST_F(EvaluateTest, DatesAndTimes) {
    ExpectKind("Due + 2", ValueKind::Date, kDue + 2);
    ExpectKind("Due - 1", ValueKind::Date, kDue - 1);
    ExpectKind("Due - Date(2005, 1, 1) + 0.5", ValueKind::Number, 58.5, 0);
    ExpectKind("End - Start", ValueKind::Time, 0.25 - 22.0 / 24);
    ExpectKind("Start + Time(1, 30, 0)", ValueKind::Time, 23.5 / 24);
    ExpectKind("Date(2005, 2, 31)", ValueKind::Date, kDue);
    ExpectNumbers({{"Date(2004, 13, 1) = Date(2005, 1, 1)", 1},
                   {"Date(2004, 0, 15) = Date(2003, 12, 15)", 1},
                   {"Date(2005, 1, 0) = Date(2005, 1, 1)", 1},
                   {"Day(Due) + Month(Due) * 100 + Year(Due) * 10000", 20050228},
                   {"Weekday(Due)", 2},
                   {"Weekday(Due - 1)", 1},
                   {"Weekday(Due - 2)", 7},
                   {"Hour(Start)", 22},
                   {"Hour(End - Start)", 8},
                   {"Minute(Time(1, 2, 3)) * 100 + Second(Time(1, 2, 3))", 203},
                   {"Second(Time(0, 0, 59.6))", 0},
                   {"Time(6, 30, 0)", 6.5 / 24}});
    ExpectEmpty("Date(99, 1, 1)");
    ExpectEmpty("Day(Notes)");
}

TEST_F(EvaluateTest, TodayNowAndThePreviousRecord) {
    const auto today = orvanta::platform::LocalToday();
    double expected = 0;
    orvanta::platform::OleDateFromParts(today.year, today.month, today.day, 0, 0, 0, &expected);
    const Result result = Evaluate("Today", 13);
    EXPECT_EQ(ValueKind::Date, result.kind);
    EXPECT_NEAR(expected, result.number, 1.0);  // the day may turn while the test runs
    EXPECT_EQ(std::floor(result.number), result.number);
    const Result now = Evaluate("Now", 13);
    EXPECT_EQ(ValueKind::Time, now.kind);
    EXPECT_TRUE(now.number >= 0 && now.number < 1);

    ExpectNumbers({{"PrevIndex", 0}, {"Prev(Price) + 1", 1}});
    ExpectEmpty("Prev(Price)");
    m_previous.assign(81, InValue{});
    m_previous[1] = Num(10);
    ExpectNumbers({{"PrevIndex", 1}, {"Price - Prev(Price)", 2.5}, {"PI", 3.14159265}});
}

TEST_F(EvaluateTest, Functions) {
    ExpectNumbers({{"Sqrt(16)", 4},
                   {"Abs(-3)", 3},
                   {"Sign(-2)", -1},
                   {"Sign(0)", 0},
                   {"Ceil(1.2)", 2},
                   {"Floor(-1.2)", -2},
                   {"Round(2.5)", 3},
                   {"Round(-2.5)", -3},
                   {"Round(1.005, 2)", 1.01},
                   {"Round(1250, -2)", 1300},
                   {"If(Quantity > 3, 1, 2)", 1},
                   {"Sel(2.9, 10, 20, 30)", 20}});
    EXPECT_EQ("few", Text("If(Quantity > 5, 'many', 'few')"));
    ExpectEmpty("Sel(4, 1, 2)");
    ExpectEmpty("Sel(0, 1, 2)");
    ExpectEmpty("Abs(Notes)");
}

TEST_F(EvaluateTest, ColoursOfTheChosenBranch) {
    EXPECT_EQ(0u, Evaluate("1").colour);
    EXPECT_EQ(1u, Evaluate("{red} 1 + 2").colour);
    EXPECT_EQ(2u, Evaluate("If(1, {green} 1, {red} 2)").colour);
    EXPECT_EQ(1u, Evaluate("If(0, {green} 1, {red} 2)").colour);
    EXPECT_EQ(0u, Evaluate("If(0, {green} 1, 2)").colour);
    EXPECT_EQ(3u, Evaluate("{yellow} Sel(2, {red} 1, {blue} 2)").colour);
    EXPECT_EQ(4u, Evaluate("{blue} 1 + {yellow} 2").colour);
    EXPECT_EQ(3.0, Evaluate("{blue} 1 + 2").number);  // the colour covers all that follows it
    EXPECT_EQ(7.0, Evaluate("1 + {red} 2 * 3").number);
}

TEST_F(EvaluateTest, ResultFormats) {
    ExpectKind("Due", ValueKind::Number, kDue, 0);
    ExpectKind("Code", ValueKind::Number, 12, 0);
    ExpectKind("2", ValueKind::Number, 2, 4);
    ExpectKind("365.2425", ValueKind::Number, 12, 5);
    ExpectKind("'365.2425'", ValueKind::Number, 1, 6);
    ExpectKind("0.5", ValueKind::Number, 12, 8);
    ExpectKind("Time(1, 0, 0)", ValueKind::Number, 60, 9);
    ExpectKind("'0.5'", ValueKind::Number, 43200, 10);
    for (int format : {1, 2, 3}) ExpectKind("Due + 1", ValueKind::Date, kDue + 1, format);
    ExpectKind("38411", ValueKind::Date, kDue, 1);
    for (int format : {7, 11, 12}) ExpectKind("End - Start", ValueKind::Time, 0.25 - 22.0 / 24, format);
    for (int format = 0; format < 13; ++format) ExpectEmpty("Notes", format);
    EXPECT_EQ("25", Text("Price * 2"));
    EXPECT_EQ("0.33", Text("1 / 3", 2));
    EXPECT_EQ("0", Text("-0.0001"));
    EXPECT_EQ("1000000", Text("10 ** 6"));
    const Result empty = Evaluate("Notes", 13);
    EXPECT_EQ(ValueKind::Text, empty.kind);
    EXPECT_EQ("", empty.text);
    ExpectKind("Due", ValueKind::Date, kDue, 13);
    ExpectKind("Start", ValueKind::Time, 22.0 / 24, 13);
    const Tokens tokens = Parse("1");
    for (int format : {-1, 14}) {
        EXPECT_NE(0, EvaluateList(tokens.types, tokens.values, format));
        EXPECT_EQ("Unknown result format " + std::to_string(format) + ".", m_evaluator->ErrorDescription());
    }
}

TEST_F(EvaluateTest, DamagedListsGiveErrors) {
    struct Case {
        std::vector<uint8_t> types;
        std::vector<std::string> values;
        const char* message;
    };
    const Case cases[] = {
        {{}, {}, "no tokens"},
        {{86, 90}, {"1", ""}, "Missing operand at the end of the list"},
        {{86, 86}, {"1", "2"}, "Missing operator at token 2"},
        {{200}, {""}, "Unknown token type 200 at token 1"},
        {{94, 86, 96}, {"\x19", "1", ""}, "Unknown function type 25"},
        {{94, 86, 96}, {"", "1", ""}, "Unknown function type 0"},
        {{86, 98, 86}, {"1", "\x0C", "2"}, "Unknown operator 12"},
        {{94, 86, 96}, {"\x01", "1", ""}, "If( takes 3 arguments, not 1"},
        {{95, 86}, {"", "1"}, "Missing ')'"},
        {{9}, {""}, "field 9, which the record does not have"},
    };
    m_record.resize(9);
    for (const Case& c : cases) {
        EXPECT_NE(0, EvaluateList(c.types, c.values)) << c.message;
        EXPECT_NE(std::string::npos, m_evaluator->ErrorDescription().find(c.message))
            << m_evaluator->ErrorDescription();
    }
    // A list ends at its first type byte 0; values may be missing.
    EXPECT_EQ(0, EvaluateList({86, 0, 200}, {"1"}));
    EXPECT_EQ(0, EvaluateList({84}, {}));
    m_previous.assign(3, InValue{});
    EXPECT_NE(0, EvaluateList({105}, {""}));
}

TEST_F(EvaluateTest, AnyByteSequenceEvaluatesOrFailsWithoutCrashing) {
    std::mt19937 random(20050228);
    const uint8_t likely[] = {1,  2,  3,  84, 86, 87, 88, 89,  90, 91, 92,
                              93, 94, 95, 96, 97, 98, 99, 101, 0,  255};
    for (int round = 0; round < 20000; ++round) {
        const size_t length = random() % 12;
        std::vector<uint8_t> types;
        std::vector<std::string> values;
        for (size_t i = 0; i < length; ++i) {
            types.push_back(random() % 4 ? likely[random() % std::size(likely)]
                                         : static_cast<uint8_t>(random()));
            values.push_back(random() % 3 ? std::string(1, static_cast<char>(random() % 20)) : "9");
        }
        Result result;
        const int32_t hr = m_evaluator->Evaluate({}, types, values, m_record, m_previous,
                                                 static_cast<int>(random() % 30) - 5,
                                                 static_cast<int>(random() % 16), &result);
        if (hr != 0) {
            EXPECT_FALSE(m_evaluator->ErrorDescription().empty());
        }
        std::string text;
        EXPECT_EQ(0, m_evaluator->ToText(m_names, types, values, &text));
    }
}

}  // namespace
}  // namespace expression_test
