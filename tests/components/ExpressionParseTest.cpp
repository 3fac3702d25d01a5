// Parsing expression text into the handheld's token list: every word and symbol of the
// language, field names, Prev(), and the errors with their positions.
#include "ExpressionFixture.h"

namespace expression_test {
namespace {

std::string Byte(int b) { return std::string(1, static_cast<char>(b)); }

class ParseTest : public ExpressionTest {
protected:
    void SetUp() override {
        ExpressionTest::SetUp();
        Field(1, "Price");
        Field(2, "Quantity");
        Field(3, "Unit  Price");  // two spaces: any run of white space matches it
        Field(4, "Unit");
        Field(5, "Today");        // a keyword wins over it
        Field(6, "Size (cm)");    // only in brackets
        Field(7, "Today Total");  // longer than the keyword, so it wins
        Field(80, "Last");
    }

    void ExpectTokens(const std::string& text, const std::vector<uint8_t>& types,
                      const std::vector<std::string>& values) {
        const Tokens tokens = Parse(text);
        EXPECT_EQ("", m_parseError) << text;
        EXPECT_EQ(types, tokens.types) << text;
        EXPECT_EQ(values, tokens.values) << text;
    }
};

TEST_F(ExpressionTest, HandsOutOnlyItsInterface) {
    EXPECT_EQ(static_cast<void*>(m_evaluator), m_component->QueryInterface("IExpressionEvaluator"));
    EXPECT_EQ(nullptr, m_component->QueryInterface("IBitmapConverter"));
}

TEST_F(ParseTest, ConstantsAndKeywords) {
    ExpectTokens("12 + 3.5 - .5", {86, 90, 86, 91, 86}, {"12", "", "3.5", "", ".5"});
    ExpectTokens("'it''s'", {88}, {"it's"});
    ExpectTokens("tOdAy - now + previndex * pi", {84, 91, 87, 90, 99, 92, 86},
                 {"", "", "", "", "", "", "3.14159265"});
}

TEST_F(ParseTest, EveryOperatorAndColour) {
    const std::vector<std::pair<std::string, int>> operators = {{"%", 1}, {"<=", 2}, {">=", 3}, {"<", 4},
                                                                {">", 5}, {"=", 6},  {"<>", 7}, {"&", 8},
                                                                {"|", 9}, {"^", 10}};
    for (const auto& [symbol, kind] : operators)
        ExpectTokens("1 " + symbol + " 2", {86, 98, 86}, {"1", Byte(kind), "2"});
    ExpectTokens("!1", {98, 86}, {Byte(11), "1"});
    ExpectTokens("1*2/3", {86, 92, 86, 93, 86}, {"1", "", "2", "", "3"});
    ExpectTokens("2 ** 3", {86, 92, 92, 86}, {"2", "", "", "3"});
    const char* colours[] = {"{black}", "{RED}", "{ green }", "{blue}", "{Yellow}"};
    for (int code = 0; code < 5; ++code)
        ExpectTokens(std::string(colours[code]) + " 1", {89, 86}, {Byte(code), "1"});
}

TEST_F(ParseTest, EveryFunctionIsOneTokenWithItsParenthesis) {
    const char* names[] = {"If",   "Sel", "Sqrt",  "Abs",  "Sign", "Ceil",   "Floor",  "Round",  "Date",
                           "Time", "Day", "Month", "Year", "Hour", "Minute", "Second", "Weekday"};
    const int argumentCounts[] = {3, 2, 1, 1, 1, 1, 1, 2, 3, 3, 1, 1, 1, 1, 1, 1, 1};
    for (int kind = 1; kind <= 17; ++kind) {
        std::string text = names[kind - 1] + std::string(" (1");
        std::vector<uint8_t> types = {94, 86};
        std::vector<std::string> values = {Byte(kind), "1"};
        for (int i = 1; i < argumentCounts[kind - 1]; ++i) {
            text += ", 1";
            types.insert(types.end(), {97, 86});
            values.insert(values.end(), {"", "1"});
        }
        types.push_back(96);
        values.push_back("");
        ExpectTokens(text + ")", types, values);
    }
    ExpectTokens("ROUND(Price)", {94, 1, 96}, {Byte(8), "", ""});
}

TEST_F(ParseTest, FieldNames) {
    ExpectTokens("price * QUANTITY", {1, 92, 2}, {"", "", ""});
    ExpectTokens("unit \t price", {3}, {""});  // the longest name wins over "Unit"
    ExpectTokens("Unit + Last", {4, 90, 80}, {"", "", ""});
    ExpectTokens("[Size (cm)] + [unit   price]", {6, 90, 3}, {"", "", ""});
    ExpectTokens("Today + [Today]", {84, 90, 5}, {"", "", ""});
    ExpectTokens("Today Total - Today", {7, 91, 84}, {"", "", ""});
    ExpectTokens("Prev(Price) + prev ( [Unit] ) + Prev(Last)", {101, 90, 104, 90, 180}, {"", "", "", "", ""});
}

TEST_F(ParseTest, ErrorsSayWhatAndWhere) {
    struct Case {
        const char* text;
        const char* message;
        int position;  // 0-based
    };
    const Case cases[] = {
        {"Price + Qty", "Unknown name 'Qty' at position 9.", 8},
        {"Price # 2", "Unexpected character '#' at position 7.", 6},
        {"'abc", "no closing quote: it starts at position 1.", 0},
        {"{pink} 1", "Unknown colour '{pink}' at position 1.", 0},
        {"[Qty] + 1", "Unknown field '[Qty]' at position 1.", 0},
        {"1 + []", "Unknown field '[]' at position 5.", 4},  // unused slots have no name
        {"(1 + 2", "Missing ')' at the end of the expression (position 7).", 6},
        {"1 + 2)", "Unexpected ')' at position 6.", 5},
        {"1 + * 2", "Missing operand at position 5.", 4},
        {"1 +", "Missing operand at the end of the expression (position 4).", 3},
        {"2 * * 3", "Missing operand at position 5.", 4},
        {"Price 3", "Missing operator at position 7.", 6},
        {"   ", "The expression is empty (position 1).", 0},
        {"If(1, 2)", "If( takes 3 arguments, not 2, at position 1.", 0},
        {"1 + Sel(1)", "Sel( takes 2 or more arguments, not 1, at position 5.", 4},
        {"Round(1, 2, 3)", "Round( takes 1 or 2 arguments, not 3,", 0},
        {"Date(2005, 1)", "Date( takes 3 arguments", 0},
        {"Time()", "Time( takes 3 arguments, not 0,", 0},
        {"Abs(1, 2)", "Abs( takes 1 argument, not 2,", 0},
        {"Prev(3)", "Prev( needs a field name at position 6.", 5},
        {"Prev(Price", "Missing ')' after Prev( at the end", 10},
        {"Sqrt 4", "Missing '(' after 'Sqrt' at position 6.", 5},
        {"1, 2", "Unexpected ',' at position 2.", 1},
        {"1 + !2", "Put '!' and what it negates in brackets at position 5.", 4},
    };
    for (const Case& c : cases) {
        Parse(c.text);
        EXPECT_NE(std::string::npos, m_parseError.find(c.message)) << c.text << ": " << m_parseError;
        EXPECT_EQ(c.position, m_evaluator->ErrorPosition()) << c.text;
    }
    Parse("1");
    EXPECT_EQ(-1, m_evaluator->ErrorPosition());
}

TEST_F(ParseTest, AtMostFortyEightTokens) {
    std::string text = "1";
    for (int i = 0; i < 23; ++i) text += " + 1";  // 47 tokens
    EXPECT_EQ(47u, Parse(text).types.size());
    EXPECT_EQ(48u, Parse("-" + text).types.size());
    Parse(text + " + 1");
    EXPECT_EQ(0u, m_parseError.find("The expression is too long: ")) << m_parseError;
    EXPECT_EQ(static_cast<int>(text.size() + 3), m_evaluator->ErrorPosition());
}

TEST_F(ParseTest, ConstantLengthIsNotChecked) {
    ExpectTokens("'a text of more than ten characters'", {88}, {"a text of more than ten characters"});
}

}  // namespace
}  // namespace expression_test
