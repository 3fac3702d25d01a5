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

// Every token of a file, "|" marking the ends of records.
std::vector<std::string> ReadAll(CTokenizerBase& tokenizer, const std::string& path, uint32_t* position) {
    QnFile file(path.c_str());
    file.Open(0);
    std::vector<std::string> tokens;
    const uint32_t length = file.GetLength();
    std::unique_ptr<CToken> token;
    while (*position < length && tokenizer.GetNextToken(&token, file, position) == 0)
        tokens.push_back(token->Text() + (token->EndOfRecord() ? "|" : ""));
    return tokens;
}

class TokenCases : public testing::TestWithParam<TokenRow> {};

TEST_P(TokenCases, SplitsFieldsAndRecords) {
    const TokenRow& row = GetParam();
    TempDir dir;
    WriteBytes(dir.File("in.txt"), std::vector<uint8_t>(row.file.begin(), row.file.end()));
    auto tokenizer = MakeTokenizer(row.delimiter);
    uint32_t position = 0;
    EXPECT_EQ(ReadAll(*tokenizer, dir.File("in.txt"), &position), row.tokens);
}

const std::string kLong(150, 'x');
const std::string kSplitCrLf = std::string(65535, 'a') + "\r\nb";

INSTANTIATE_TEST_SUITE_P(
    Files, TokenCases,
    testing::Values(TokenRow{"QuotedCommaInMiddle", 1, "a,\"b,c\",d\r\n", {"a", "\"b,c\"", "d\r|"}},
                    TokenRow{"DoubledQuotesStay", 1, "\"say \"\"hi\"\"\",x\n", {"\"say \"\"hi\"\"\"", "x|"}},
                    TokenRow{"LeadingSpacesAreNotQuoted", 1, "  \"a,b\"  \n", {"  \"a", "b\"  |"}},
                    TokenRow{"CrLfInsideQuotes", 1, "\"a\r\nb\",c\r\n", {"\"a\r\nb\"", "c\r|"}},
                    TokenRow{"LfInsideQuotes", 2, "\"a\nb\";c\n", {"\"a\nb\"", "c|"}},
                    TokenRow{"LoneCrEndsRecord", 1, "a\rb", {"a|", "b|"}},
                    TokenRow{"CrAtEndOfFileStays", 1, "a,b\r", {"a", "b\r|"}},
                    TokenRow{"LastLineWithoutBreak", 1, "a\n" + kLong, {"a|", kLong + "|"}},
                    TokenRow{"UnclosedQuoteEndsAtEndOfFile", 1, "\"a,b\nc", {"\"a,b\nc|"}},
                    TokenRow{"EmptyLineIsOneEmptyField", 1, "a\n\nb\n", {"a|", "|", "b|"}},
                    TokenRow{
                        "CrLfAcrossTheReadWindow", 1, kSplitCrLf, {std::string(65535, 'a') + "\r|", "b|"}},
                    TokenRow{"TabDelimiter", 0, "a b\tc,d\n", {"a b", "c,d|"}},
                    TokenRow{"SemicolonDelimiter", 2, "a,b;c\n", {"a,b", "c|"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Tokenizer, PositionAdvancesByLengthPlusOne) {
    TempDir dir;
    WriteBytes(dir.File("in.csv"), {'a', 'b', ',', 'c', '\r', '\n'});
    QnFile file(dir.File("in.csv").c_str());
    file.Open(0);
    CCommaTokenizer tokenizer;
    std::unique_ptr<CToken> token;
    uint32_t position = 0;
    ASSERT_EQ(tokenizer.GetNextToken(&token, file, &position), 0);
    EXPECT_EQ(position, 3u);
    ASSERT_EQ(tokenizer.GetNextToken(&token, file, &position), 0);
    EXPECT_EQ(token->Length(), 2u);
    EXPECT_EQ(position, 6u);
    // At the end of the file: an empty token that ends its record, and one past the end.
    ASSERT_EQ(tokenizer.GetNextToken(&token, file, &position), 0);
    EXPECT_EQ(token->Length(), 0u);
    EXPECT_TRUE(token->EndOfRecord());
    EXPECT_EQ(position, 7u);
}

TEST(Tokenizer, RereadsFromAnyRecordBoundary) {
    TempDir dir;
    WriteBytes(dir.File("in.csv"), {'a', '\n', 'b', '\n'});
    QnFile file(dir.File("in.csv").c_str());
    file.Open(0);
    CCommaTokenizer tokenizer;
    std::unique_ptr<CToken> token;
    uint32_t position = 2;
    ASSERT_EQ(tokenizer.GetNextToken(&token, file, &position), 0);
    EXPECT_EQ(token->Text(), "b");
    position = 0;
    ASSERT_EQ(tokenizer.GetNextToken(&token, file, &position), 0);
    EXPECT_EQ(token->Text(), "a");
}

class BareTokenizer : public CTokenizerBase {
public:
    BareTokenizer() : CTokenizerBase(0) {}
};

TEST(Tokenizer, FailuresGiveNoTokenAndKeepThePosition) {
    TempDir dir;
    WriteBytes(dir.File("in.csv"), {'a'});
    QnFile file(dir.File("in.csv").c_str());
    file.Open(0);
    std::unique_ptr<CToken> token = std::make_unique<CToken>("old", false);
    uint32_t position = 0;
    BareTokenizer bare;
    EXPECT_EQ(bare.GetNextToken(&token, file, &position), -1);
    EXPECT_EQ(token, nullptr);
    QnFile closed(dir.File("in.csv").c_str());
    CCommaTokenizer comma;
    EXPECT_NE(comma.GetNextToken(&token, closed, &position), 0);
    EXPECT_EQ(token, nullptr);
    EXPECT_EQ(position, 0u);
}

struct TextRow {
    const char* name;
    int delimiter;
    std::string in;
    std::string out;
};

class UnquoteCases : public testing::TestWithParam<TextRow> {};

TEST_P(UnquoteCases, CleansTokenText) {
    std::string result = "earlier";
    MakeTokenizer(GetParam().delimiter)->Unquote(GetParam().in, &result);
    EXPECT_EQ(result, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UnquoteCases,
    testing::Values(TextRow{"QuotesRemoved", 1, "\"b,c\"", "b,c"},
                    TextRow{"DoubledQuotesKept", 1, "\"say \"\"hi\"\"\"", "say \"\"hi\"\""},
                    TextRow{"SpacesAroundQuotes", 1, "  \"word\"  ", "word"},
                    TextRow{"TrailingCrTrimmed", 1, "d\r", "d"}, TextRow{"AllWhiteSpace", 1, " \t\r\n", ""},
                    TextRow{"LoneQuote", 1, "\"", ""}, TextRow{"InnerQuoteOnlyAtStart", 1, "\"abc", "\"abc"}),
    [](const auto& info) { return std::string(info.param.name); });

class QuoteCases : public testing::TestWithParam<TextRow> {};

TEST_P(QuoteCases, PreparesValuesForOutput) {
    std::string result = "earlier";
    MakeTokenizer(GetParam().delimiter)->QuoteForOutput(GetParam().in, &result);
    EXPECT_EQ(result, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Values, QuoteCases,
                         testing::Values(TextRow{"Empty", 1, "", ""}, TextRow{"Plain", 1, "abc", "abc"},
                                         TextRow{"CommaQuoted", 1, "a,b", "\"a,b\""},
                                         TextRow{"QuoteDoubled", 1, "say \"hi\"", "\"say \"\"hi\"\"\""},
                                         TextRow{"LfQuoted", 1, "a\nb", "\"a\nb\""},
                                         TextRow{"CrAloneUnchanged", 1, "a\rb", "a\rb"},
                                         TextRow{"SemicolonQuoted", 2, "a;b", "\"a;b\""},
                                         TextRow{"CommaPlainForSemicolon", 2, "a,b", "a,b"},
                                         TextRow{"TabBecomesSpace", 0, "a\tb", "a b"},
                                         TextRow{"TabAndQuote", 0, "a\t\"", "\"a \"\"\""}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
