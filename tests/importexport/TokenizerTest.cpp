// The tokenizers on real files: tokens with their quotes, record ends, positions and codes,
// Unquote and quoting for output.
#include "importexport/CTokenizer.h"

#include <gtest/gtest.h>

#include "io/QnFile.h"
#include "support/TempDir.h"

namespace {

struct TokenRow {
    const char* name;
    int delimiter;
    std::string file;
    std::vector<std::string> tokens;  // each token's text, with "|" appended when it ends its record
};

class TokenCases : public testing::TestWithParam<TokenRow> {};

TEST_P(TokenCases, SplitsFieldsAndRecords) {
    const TokenRow& row = GetParam();
    TempDir dir;
    WriteTextFile(dir.File("in.txt"), row.file);
    QnFile file(dir.File("in.txt").c_str());
    file.Open(0);
    auto tokenizer = MakeTokenizer(row.delimiter);
    std::vector<std::string> tokens;
    std::unique_ptr<CToken> token;
    for (uint32_t position = 0; position < file.GetLength();) {
        ASSERT_EQ(tokenizer->GetNextToken(&token, file, &position), 0);
        tokens.push_back(token->Text() + (token->EndOfRecord() ? "|" : ""));
    }
    EXPECT_EQ(tokens, row.tokens);
}

const std::string kSplitCrLf = std::string(65535, 'a') + "\r\nb";

INSTANTIATE_TEST_SUITE_P(
    Files, TokenCases,
    testing::Values(TokenRow{"QuotedCommaInMiddle", 1, "a,\"b,c\",d\r\n", {"a", "\"b,c\"", "d\r|"}},
                    TokenRow{"QuoteAmongOrdinaryBytes", 1, "\"a,bcdefg\"hij,k\n", {"\"a,bcdefg\"hij", "k|"}},
                    TokenRow{"LeadingSpacesAreNotQuoted", 1, "  \"a,b\"  \n", {"  \"a", "b\"  |"}},
                    TokenRow{"CrLfInsideQuotes", 1, "\"a\r\nb\",c\r\n", {"\"a\r\nb\"", "c\r|"}},
                    TokenRow{"LfInsideQuotes", 2, "\"a\nb\";c\n", {"\"a\nb\"", "c|"}},
                    TokenRow{"LoneCrEndsRecord", 1, "a\rbcdefghij", {"a|", "bcdefghij|"}},
                    TokenRow{"CrAtEndOfFileStays", 1, "a,b\r", {"a", "b\r|"}},
                    TokenRow{
                        "CrLfAcrossTheReadWindow", 1, kSplitCrLf, {std::string(65535, 'a') + "\r|", "b|"}}),
    [](const auto& info) { return std::string(info.param.name); });

class BareTokenizer : public CTokenizerBase {
public:
    BareTokenizer() : CTokenizerBase(0) {}
};

TEST(Tokenizer, PositionsAndFailures) {
    TempDir dir;
    WriteBytes(dir.File("in.csv"), {'a', 'b', ',', 'c', '\r', '\n'});
    QnFile file(dir.File("in.csv").c_str());
    file.Open(0);
    CCommaTokenizer comma;
    std::unique_ptr<CToken> token;
    uint32_t position = 0;
    for (uint32_t expected : {3u, 6u, 7u}) {  // past the delimiter, past CR LF, past the end
        ASSERT_EQ(comma.GetNextToken(&token, file, &position), 0);
        EXPECT_EQ(position, expected);
    }
    EXPECT_EQ(token->Length(), 0u);  // at the end of the file: an empty token that ends its record
    EXPECT_TRUE(token->EndOfRecord());
    BareTokenizer bare;
    EXPECT_EQ(bare.GetNextToken(&token, file, &position), -1);
    EXPECT_EQ(token, nullptr);
    token = std::make_unique<CToken>("old", false);
    QnFile closed(dir.File("in.csv").c_str());
    position = 0;
    EXPECT_NE(comma.GetNextToken(&token, closed, &position), 0);
    EXPECT_EQ(token, nullptr);
    EXPECT_EQ(position, 0u);
}

struct TextRow {
    const char* name;
    bool unquote;  // else QuoteForOutput
    int delimiter;
    std::string in;
    std::string out;
};

class TextCases : public testing::TestWithParam<TextRow> {};

TEST_P(TextCases, UnquotesOrQuotes) {
    std::string result = "earlier";
    auto tokenizer = MakeTokenizer(GetParam().delimiter);
    if (GetParam().unquote)
        tokenizer->Unquote(GetParam().in, &result);
    else
        tokenizer->QuoteForOutput(GetParam().in, &result);
    EXPECT_EQ(result, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextCases,
                         testing::Values(TextRow{"SpacesAroundQuotes", true, 1, "  \"word\"  ", "word"},
                                         TextRow{"AllWhiteSpace", true, 1, " \t\r\n", ""},
                                         TextRow{"InnerQuoteOnlyAtStart", true, 1, "\"abc", "\"abc"},
                                         TextRow{"CrAloneUnchanged", false, 1, "a\rb", "a\rb"},
                                         TextRow{"TabAndQuote", false, 0, "a\t\"", "\"a \"\"\""}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
