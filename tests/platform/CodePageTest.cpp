// Windows-1252 <-> UTF-8: the 0x80-0x9F table, Latin-1 letters, the five unmapped bytes as C1
// controls, and what the reverse does with characters it cannot hold and with malformed UTF-8.
#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <string>

using orvanta::platform::Utf8FromWindows1252;
using orvanta::platform::Windows1252FromUtf8;

TEST(CodePage, BytesBecomeTheirCharactersAndComeBack) {
    struct Case {
        unsigned char byte;
        const char* utf8;
    };
    const Case cases[] = {{0x80, "\xE2\x82\xAC"}, {0x8A, "\xC5\xA0"}, {0x99, "\xE2\x84\xA2"},
                          {0x9F, "\xC5\xB8"},     {0xA0, "\xC2\xA0"}, {0xFF, "\xC3\xBF"},
                          {0x81, "\xC2\x81"},     {0x9D, "\xC2\x9D"}, {'A', "A"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.byte));
        EXPECT_EQ(Utf8FromWindows1252(std::string(1, static_cast<char>(c.byte))), c.utf8);
        std::string back;
        EXPECT_TRUE(Windows1252FromUtf8(c.utf8, &back));
        EXPECT_EQ(back, std::string(1, static_cast<char>(c.byte)));
    }
    EXPECT_EQ(Utf8FromWindows1252("Caf\xE9 \x80\r\n"), "Caf\xC3\xA9 \xE2\x82\xAC\r\n");
}

TEST(CodePage, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    std::string back;
    EXPECT_TRUE(Windows1252FromUtf8(Utf8FromWindows1252(all), &back));
    EXPECT_EQ(back, all);
}

TEST(CodePage, CharactersWithoutAByteAndMalformedUtf8BecomeQuestionMarks) {
    struct Case {
        const char* utf8;
        const char* expected;
    };
    const Case cases[] = {
        {"a\xC4\x80"
         "b\xE4\xB8\xAD"
         "c\xC2\x80",
         "a?b?c?"},                     // no byte; U+0080 is not the euro
        {"x\xF0\x9F\x98\x80y", "x?y"},  // four-byte character
        {"a\xE9z", "a?z"},              // a Windows-1252 byte, not UTF-8
        {"\xC0\x80", "??"},             // overlong NUL
        {"\xED\xA0\x80", "???"},        // a surrogate
        {"ok\xE2\x82", "ok??"},         // cut short
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        std::string out = "stale";
        EXPECT_FALSE(Windows1252FromUtf8(c.utf8, &out));
        EXPECT_EQ(out, c.expected);
    }
}

TEST(CodePage, LowerCaseFoldsTheLettersOfWindows1252Only) {
    struct Case {
        const char* name;
        std::string upper, lower;
    } cases[] = {
        {"ASCII capitals", "AZaz@[", "azaz@["},
        {"accented capitals", "\xC0\xC9\xDE", "\xE0\xE9\xFE"},
        {"S, OE and Z with caron, Y with diaeresis", "\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF"},
        {"multiplication sign, sharp s and lower case stay", "\xD7\xDF\x9A\xFF", "\xD7\xDF\x9A\xFF"},
    };
    for (const Case& c : cases) {
        std::string lowered;
        for (char ch : c.upper) lowered += static_cast<char>(orvanta::platform::LowerWindows1252(ch));
        EXPECT_EQ(lowered, c.lower) << c.name;
    }
}
