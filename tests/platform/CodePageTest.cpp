// Windows-1252 <-> UTF-8: the euro and the other 0x80-0x9F characters, Latin-1 letters, the
// five unmapped bytes as C1 controls, and what the reverse does with characters it cannot hold.
#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <string>

using orvanta::platform::Utf8FromWindows1252;
using orvanta::platform::Windows1252FromUtf8;

namespace {

struct ByteCase {
    const char* name;
    unsigned char byte;
    const char* utf8;
};

class Windows1252Byte : public ::testing::TestWithParam<ByteCase> {};

const ByteCase kByteCases[] = {
    {"Euro", 0x80, "\xE2\x82\xAC"},        {"LowQuote", 0x82, "\xE2\x80\x9A"},
    {"Ellipsis", 0x85, "\xE2\x80\xA6"},    {"SCaron", 0x8A, "\xC5\xA0"},
    {"LeftQuote", 0x91, "\xE2\x80\x98"},   {"EmDash", 0x97, "\xE2\x80\x94"},
    {"TradeMark", 0x99, "\xE2\x84\xA2"},   {"YDiaeresis", 0x9F, "\xC5\xB8"},
    {"NoBreakSpace", 0xA0, "\xC2\xA0"},    {"EAcute", 0xE9, "\xC3\xA9"},
    {"YDiaeresisSmall", 0xFF, "\xC3\xBF"}, {"Unmapped81", 0x81, "\xC2\x81"},
    {"Unmapped8D", 0x8D, "\xC2\x8D"},      {"Unmapped8F", 0x8F, "\xC2\x8F"},
    {"Unmapped90", 0x90, "\xC2\x90"},      {"Unmapped9D", 0x9D, "\xC2\x9D"},
};

}  // namespace

TEST_P(Windows1252Byte, BecomesItsUtf8Character) {
    const ByteCase& c = GetParam();
    EXPECT_EQ(Utf8FromWindows1252(std::string(1, static_cast<char>(c.byte))), c.utf8);
}

TEST_P(Windows1252Byte, ComesBackFromUtf8) {
    const ByteCase& c = GetParam();
    std::string back;
    EXPECT_TRUE(Windows1252FromUtf8(c.utf8, &back));
    EXPECT_EQ(back, std::string(1, static_cast<char>(c.byte)));
}

INSTANTIATE_TEST_SUITE_P(CodePage, Windows1252Byte, ::testing::ValuesIn(kByteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CodePage, AsciiAndControlsPassUnchanged) {
    std::string ascii = "Name: Smith\r\n\t0-9 ~";
    EXPECT_EQ(Utf8FromWindows1252(ascii), ascii);
    std::string back;
    EXPECT_TRUE(Windows1252FromUtf8(ascii, &back));
    EXPECT_EQ(back, ascii);
}

TEST(CodePage, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    std::string back;
    EXPECT_TRUE(Windows1252FromUtf8(Utf8FromWindows1252(all), &back));
    EXPECT_EQ(back, all);
}

TEST(CodePage, MixedTextConvertsCharacterByCharacter) {
    EXPECT_EQ(Utf8FromWindows1252("Caf\xE9 \x80"
                                  "5"),
              "Caf\xC3\xA9 \xE2\x82\xAC"
              "5");
    EXPECT_EQ(Utf8FromWindows1252(""), "");
}

TEST(CodePage, CharactersWithoutAByteBecomeQuestionMarks) {
    std::string out = "stale";
    // U+0100 (A macron) and U+4E2D have no Windows-1252 byte; U+0080 is not the euro.
    EXPECT_FALSE(
        Windows1252FromUtf8("a\xC4\x80"
                            "b\xE4\xB8\xAD"
                            "c\xC2\x80",
                            &out));
    EXPECT_EQ(out, "a?b?c?");
}

TEST(CodePage, FourByteCharactersHaveNoByte) {
    std::string out;
    EXPECT_FALSE(Windows1252FromUtf8("x\xF0\x9F\x98\x80y", &out));
    EXPECT_EQ(out, "x?y");
}

TEST(CodePage, MalformedUtf8IsRefusedByteByByte) {
    std::string out;
    EXPECT_FALSE(Windows1252FromUtf8("a\xE9z", &out));  // a Windows-1252 byte, not UTF-8
    EXPECT_EQ(out, "a?z");
    EXPECT_FALSE(Windows1252FromUtf8("\xC0\x80", &out));  // overlong NUL
    EXPECT_EQ(out, "??");
    EXPECT_FALSE(Windows1252FromUtf8("\xED\xA0\x80", &out));  // a surrogate
    EXPECT_EQ(out, "???");
    EXPECT_FALSE(Windows1252FromUtf8("ok\xE2\x82", &out));  // cut short
    EXPECT_EQ(out, "ok??");
}
