// Turning token lists back into text: how fields, constants, colours, functions and operators
// are named and spaced, names the language does not know, and that the text parses again to
// the same list.
#include "ExpressionFixture.h"

#include <random>

namespace expression_test {
namespace {

class TextTest : public ExpressionTest {
protected:
    void SetUp() override {
        ExpressionTest::SetUp();
        Field(1, "Price", Num(12.5));
        Field(2, "Unit Price", Num(3));
        Field(3, "Size (cm)", Num(40));
        Field(4, "Year", Num(2005));
        Field(5, "Today", Txt("x"));
        Field(6, "2nd", Num(2));
        Field(7, "a]b", Txt("y"));
        Field(8, "Price - Discount", Num(10));
        Field(9, "Discount", Num(2.5));
        Field(10, "Qty ", Num(1));
        Field(11, "\xC4nderung", Num(5));  // "Änderung"
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

TEST_F(TextTest, FieldNamesBareOrInBrackets) {
    EXPECT_EQ("Price + Unit Price * \xC4nderung", TextOf({1, 90, 2, 92, 11}));
    EXPECT_EQ("[Size (cm)] [Year] [Today] [2nd] [a]]b] [Qty ] [Price - Discount]",
              TextOf({3, 4, 5, 6, 7, 10, 8}));
    EXPECT_EQ("[Field 20] Prev(Price) Prev([Size (cm)]) Prev([Field 50])", TextOf({20, 101, 103, 150}));
    // Written bare, "Price - Discount" would read as the field of that name.
    EXPECT_EQ("[Price] - Discount", TextOf({1, 91, 9}));
    EXPECT_EQ("[Price] - Discount", Shown("Price-Discount"));
    EXPECT_EQ("[Price - Discount] * 2", TextOf({8, 92, 86}, {"", "", "2"}));
}

TEST_F(TextTest, ConstantsColoursFunctionsAndOperators) {
    EXPECT_EQ("Today Now PrevIndex 3.14159265 'it''s'",
              TextOf({84, 87, 99, 86, 88}, {"", "", "", "3.14159265", "it's"}));
    EXPECT_EQ("{black} {red} {green} {blue} {yellow} {black}",
              TextOf({89, 89, 89, 89, 89, 89}, {"\0", "\1", "\2", "\3", "\4", "\7"}));
    const std::vector<std::pair<int, const char*>> functions = {
        {0, "NONE"},      {1, "If("},        {8, "Round("},
        {17, "Weekday("}, {18, "NumFuncs("}, {19, "unknown function type"}};
    for (const auto& [kind, text] : functions)
        EXPECT_EQ(text, TextOf({94}, {std::string(1, static_cast<char>(kind))}));
    const char* operators[] = {"NONE", "%", "<=", ">=", "<", ">", "=", "<>", "&", "|", "^", "!", "NumOpers"};
    for (int kind = 0; kind <= 12; ++kind)
        EXPECT_EQ(operators[kind], TextOf({98}, {std::string(1, static_cast<char>(kind))}));
    EXPECT_EQ("unknown operator", TextOf({98}, {"\x0D"}));
    EXPECT_EQ("unknown token type unknown token type unknown token type", TextOf({85, 181, 255}));
    EXPECT_EQ("1 + 2 - 3 * 4 / (5) ** 6",
              TextOf({86, 90, 86, 91, 86, 92, 86, 93, 95, 86, 96, 92, 92, 86},
                     {"1", "", "2", "", "3", "", "4", "", "", "5", "", "", "", "6"}));
}

TEST_F(TextTest, Spacing) {
    EXPECT_EQ("If(Price > 2, -Price, (1 + 2) * 3)", Shown("if ( price>2 ,- price,(1+2)*3 )"));
    EXPECT_EQ("2 ** -1 - --3", Shown("2**-1- - -3"));
    EXPECT_EQ("{red} Sel(1, 'a', +Prev(Price))", Shown("{RED}sel(1,'a',+prev(price))"));
    EXPECT_EQ("! (1 = 2) | 3.50 >= .5", Shown("!(1=2)|3.50>=.5"));
    EXPECT_EQ("1 + 2", TextOf({86, 90, 86, 0, 200}, {"1", "", "2"}));  // the list ends at type 0
}

TEST_F(TextTest, EveryParsedListReadsBackTheSame) {
    const char* pieces[] = {"Price",
                            "Unit Price",
                            "[Size (cm)]",
                            "[Year]",
                            "[Today]",
                            "[2nd]",
                            "[a]]b]",
                            "[Price - Discount]",
                            "Discount",
                            "[Qty ]",
                            "\xC4nderung",
                            "Prev(Price)",
                            "Prev([a]]b])",
                            "(",
                            ")",
                            ",",
                            "+",
                            "-",
                            "*",
                            "**",
                            "/",
                            "%",
                            "<",
                            "<=",
                            "<>",
                            "=",
                            ">",
                            ">=",
                            "&",
                            "|",
                            "^",
                            "!",
                            "{red}",
                            "{black}",
                            "If(",
                            "Sel(",
                            "Round(",
                            "Date(",
                            "Year(",
                            "Abs(",
                            "1",
                            ".5",
                            "2.25",
                            "'a''b'",
                            "''",
                            "Today",
                            "Now",
                            "PI",
                            "PrevIndex",
                            " ",
                            ""};
    std::mt19937 random(7);
    int parsed = 0;
    for (int round = 0; round < 30000; ++round) {
        std::string text;
        const size_t count = 1 + random() % 9;
        for (size_t i = 0; i < count; ++i) {
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
        // Whatever Parse accepts evaluates.
        Result result;
        ASSERT_EQ(
            0, m_evaluator->Evaluate({}, tokens.types, tokens.values, m_record, m_previous, 3, 13, &result))
            << text << ": " << m_evaluator->ErrorDescription();
    }
    EXPECT_GT(parsed, 1000);
}

}  // namespace
}  // namespace expression_test
