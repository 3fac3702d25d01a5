// Expression text and the handheld's token list both ways: the token of every word and
// symbol, field names bare and in brackets, parse errors with their positions, how a list is
// shown again, and that whatever parses is shown as text that parses to the same list.
#include "ExpressionFixture.h"

#include <random>

namespace expression_test {
namespace {

std::string Byte(int b) { return std::string(1, static_cast<char>(b)); }

class ParseTest : public ExpressionTest {
protected:
    void SetUp() override {
        ExpressionTest::SetUp();
        const char* names[] = {"Unit",     "Today", "Today Total", "Year", "2nd", "a]b", "Price - Discount",
                               "Discount", "Qty ",  "\xC4nderung"};
        for (int slot = 11; slot <= 20; ++slot) Field(slot, names[slot - 11]);
        Field(80, "Last");
    }

    // Values left out are expected empty.
    void ExpectTokens(const std::string& text, const std::vector<uint8_t>& types,
                      std::vector<std::string> values = {}) {
        const Tokens tokens = Parse(text);
        EXPECT_EQ("", m_parseError) << text;
        EXPECT_EQ(types, tokens.types) << text;
        values.resize(types.size());
        EXPECT_EQ(values, tokens.values) << text;
    }

    std::string TextOf(std::vector<uint8_t> types, std::vector<std::string> values = {}) {
        values.resize(types.size());
        return ToText({types, values});
    }

    // The text the typed expression is shown as; it must read again as the same tokens.
    std::string Shown(const std::string& typed) {
        const Tokens tokens = Parse(typed);
        EXPECT_EQ("", m_parseError) << typed;
        const std::string shown = ToText(tokens);
        const Tokens again = Parse(shown);
        EXPECT_EQ(tokens.types, again.types) << typed << " shown as " << shown << ": " << m_parseError;
        EXPECT_EQ(tokens.values, again.values) << typed << " shown as " << shown;
        return shown;
    }
};

TEST_F(ExpressionTest, HandsOutOnlyItsInterface) {
    EXPECT_EQ(static_cast<void*>(m_evaluator), m_component->QueryInterface("IExpressionEvaluator"));
    EXPECT_EQ(nullptr, m_component->QueryInterface("IBitmapConverter"));
}

TEST_F(ParseTest, ConstantsKeywordsOperatorsAndColours) {
    ExpectTokens("12 + 3.5 - .5", {86, 90, 86, 91, 86}, {"12", "", "3.5", "", ".5"});
    ExpectTokens("'a text of more than ten characters'", {88}, {"a text of more than ten characters"});
    ExpectTokens("tOdAy - now + previndex * pi", {84, 91, 87, 90, 99, 92, 86},
                 {"", "", "", "", "", "", "3.14159265"});
    const char* operators[] = {"%", "<=", ">=", "<", ">", "=", "<>", "&", "|", "^"};
    for (int kind = 1; kind <= 10; ++kind)
        ExpectTokens(std::string("1 ") + operators[kind - 1] + " 2", {86, 98, 86}, {"1", Byte(kind), "2"});
    ExpectTokens("!1", {98, 86}, {Byte(11), "1"});
    ExpectTokens("1*2/3", {86, 92, 86, 93, 86}, {"1", "", "2", "", "3"});
    const char* colours[] = {"{black}", "{RED}", "{ green }", "{blue}", "{Yellow}"};
    for (int code = 0; code < 5; ++code)
        ExpectTokens(std::string(colours[code]) + " 1", {89, 86}, {Byte(code), "1"});
}

TEST_F(ParseTest, EveryFunctionIsOneTokenWithItsParenthesis) {
    const char* names[] = {"If",   "Sel", "Sqrt",  "Abs",  "Sign", "Ceil",   "Floor",  "Round",  "Date",
                           "Time", "Day", "Month", "Year", "Hour", "Minute", "Second", "Weekday"};
    const size_t argumentCounts[] = {3, 2, 1, 1, 1, 1, 1, 2, 3, 3, 1, 1, 1, 1, 1, 1, 1};
    for (int kind = 1; kind <= 17; ++kind) {
        const size_t count = argumentCounts[kind - 1];
        const Tokens tokens = Parse(names[kind - 1] + std::string(" (1, 1, 1").substr(0, 3 * count) + ")");
        ASSERT_EQ(2 * count + 1, tokens.types.size()) << names[kind - 1] << ": " << m_parseError;
        EXPECT_EQ(94, tokens.types.front());
        EXPECT_EQ(Byte(kind), tokens.values.front()) << names[kind - 1];
        EXPECT_EQ(96, tokens.types.back());
    }
    ExpectTokens("ROUND(Price)", {94, 1, 96}, {Byte(8), "", ""});
}

TEST_F(ParseTest, FieldNames) {
    ExpectTokens("unit \t price", {8});  // the longest name wins over "Unit"
    ExpectTokens("Unit + Last", {11, 90, 80});
    ExpectTokens("[Size (cm)] + [unit   price]", {9, 90, 8});
    ExpectTokens("Today + [Today]", {84, 90, 12});
    ExpectTokens("Today Total - Today", {13, 91, 84});
    ExpectTokens("Prev(Price) + prev ( [Unit] ) + Prev(Last)", {101, 90, 111, 90, 180});
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
        {"[Qty] + 1", "Unknown field '[Qty]' at position 1.", 0},
        {"1 + []", "Unknown field '[]' at position 5.", 4},  // unused slots have no name
        {"1 +", "Missing operand at the end of the expression (position 4).", 3},
        {"   ", "The expression is empty (position 1).", 0},
        {"1 + Sel(1)", "Sel( takes 2 or more arguments, not 1, at position 5.", 4},
        {"Round(1, 2, 3)", "Round( takes 1 or 2 arguments, not 3,", 0},
        {"Time()", "Time( takes 3 arguments, not 0,", 0},
        {"Abs(1, 2)", "Abs( takes 1 argument, not 2,", 0},
        {"Prev(3)", "Prev( needs a field name at position 6.", 5},
        {"Prev(Price", "Missing ')' after Prev( at the end", 10},
        {"1, 2", "Unexpected ',' at position 2.", 1},
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
    EXPECT_EQ(0u,
              m_parseError.find("The expression is too long: a list holds 48 tokens, and one more starts"))
        << m_parseError;
    EXPECT_EQ(static_cast<int>(text.size() + 3), m_evaluator->ErrorPosition());
}

TEST_F(ParseTest, FieldNamesAreShownBareOrInBrackets) {
    EXPECT_EQ("Price + Unit Price * \xC4nderung", TextOf({1, 90, 8, 92, 20}));
    EXPECT_EQ("[Size (cm)] [Year] [Today] [2nd] [a]]b] [Qty ] [Price - Discount]",
              TextOf({9, 14, 12, 15, 16, 19, 17}));
    EXPECT_EQ("[Field 30] Prev(Price) Prev([Size (cm)]) Prev([Field 50])", TextOf({30, 101, 109, 150}));
    // Written bare, "Price - Discount" would read as the field of that name.
    EXPECT_EQ("[Price] - Discount", TextOf({1, 91, 18}));
    EXPECT_EQ("[Price] - Discount", Shown("Price-Discount"));
    EXPECT_EQ("[Price - Discount] * 2", TextOf({17, 92, 86}, {"", "", "2"}));
}

TEST_F(ParseTest, DamagedTokensAreNamedAndSpacingIsFixed) {
    const std::pair<Tokens, const char*> damaged[] = {
        {{{89}, {"\7"}}, "{black}"},           {{{94}, {Byte(0)}}, "NONE"},
        {{{94}, {"\x12"}}, "NumFuncs("},       {{{94}, {"\x13"}}, "unknown function type"},
        {{{98}, {Byte(0)}}, "NONE"},           {{{98}, {"\x0C"}}, "NumOpers"},
        {{{98}, {"\x0D"}}, "unknown operator"}};
    for (const auto& [tokens, text] : damaged) EXPECT_EQ(text, ToText(tokens));
    EXPECT_EQ("unknown token type unknown token type unknown token type", TextOf({85, 181, 255}));
    EXPECT_EQ("1 + 2", TextOf({86, 90, 86, 0, 200}, {"1", "", "2"}));  // the list ends at type 0
    EXPECT_EQ("2 ** -1 - --3", Shown("2**-1- - -3"));
    EXPECT_EQ("{red} Sel(1, 'a', +Prev(Price))", Shown("{RED}sel(1,'a',+prev(price))"));
    EXPECT_EQ("! (1 = 2) | 3.50 >= .5", Shown("!(1=2)|3.50>=.5"));
}

TEST_F(ParseTest, EveryParsedListReadsBackTheSameAndEvaluates) {
    // The pieces random expressions are made of, separated by '@'.
    std::vector<std::string> pieces(1);
    for (char c :
         std::string("Price@Unit Price@Unit@[Size (cm)]@[Year]@[Today]@Today Total@[2nd]@[a]]b]@"
                     "[Price - Discount]@Discount@[Qty ]@\xC4nderung@Last@Prev(Price)@Prev([a]]b])@(@)@,@"
                     "+@-@*@**@/@%@<@<=@<>@=@>@>=@&@|@^@!@{red}@{black}@If(@Sel(@Round(@Date(@Year(@"
                     "Abs(@1@.5@2.25@'a''b'@''@Today@Now@PI@PrevIndex@ @"))
        if (c == '@')
            pieces.emplace_back();
        else
            pieces.back().push_back(c);
    std::mt19937 random(7);
    int parsed = 0;
    for (int round = 0; round < 30000; ++round) {
        std::string text;
        for (size_t i = 0, count = 1 + random() % 9; i < count; ++i) {
            text += pieces[random() % std::size(pieces)];
            if (random() % 2) text += ' ';
        }
        const Tokens tokens = Parse(text);
        if (!m_parseError.empty()) continue;
        ++parsed;
        const std::string shown = ToText(tokens);
        const Tokens again = Parse(shown);
        ASSERT_EQ(tokens.types, again.types) << text << " shown as " << shown << ": " << m_parseError;
        ASSERT_EQ(tokens.values, again.values) << text << " shown as " << shown;
        Result result;
        ASSERT_EQ(0, EvaluateList(tokens, 13, 3, &result)) << text << ": " << m_evaluator->ErrorDescription();
    }
    EXPECT_GT(parsed, 1000);
}

}  // namespace
}  // namespace expression_test
