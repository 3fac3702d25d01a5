// Reading dates and times typed in each locale's short date and time forms.
#include "platform/OleDate.h"

#include <gtest/gtest.h>

#include <string>

using namespace orvanta::platform;

namespace {

struct ParseDateCase {
    const char* locale;
    const char* text;
    int year, month, day;
};

}  // namespace

class ParseDateTest : public testing::TestWithParam<ParseDateCase> {};

TEST_P(ParseDateTest, ReadsDatesInTheLocalesOrder) {
    const ParseDateCase& c = GetParam();
    int year = 0, month = 0, day = 0;
    ASSERT_TRUE(ParseDate(c.text, Locale::FromName(c.locale), &year, &month, &day)) << c.text;
    EXPECT_EQ(year, c.year) << c.text;
    EXPECT_EQ(month, c.month) << c.text;
    EXPECT_EQ(day, c.day) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Good, ParseDateTest,
    testing::Values(
        ParseDateCase{"en_US", "10/27/2004", 2004, 10, 27}, ParseDateCase{"en_US", "1/2/2004", 2004, 1, 2},
        ParseDateCase{"en_US", "10-27-04", 2004, 10, 27}, ParseDateCase{"en_US", "10.27.2004", 2004, 10, 27},
        ParseDateCase{"en_US", " 10 27 2004 ", 2004, 10, 27},
        ParseDateCase{"en_US", "2/29/2000", 2000, 2, 29}, ParseDateCase{"de_DE", "27.10.2004", 2004, 10, 27},
        ParseDateCase{"de_DE", "5.3.04", 2004, 3, 5}, ParseDateCase{"de_DE", "27. 10. 2004", 2004, 10, 27},
        ParseDateCase{"de_DE", "27/10/1999", 1999, 10, 27}, ParseDateCase{"de_DE", "1.1.00", 2000, 1, 1},
        ParseDateCase{"de_DE", "31.12.29", 2029, 12, 31}, ParseDateCase{"de_DE", "01.01.30", 1930, 1, 1},
        ParseDateCase{"de_DE", "31.12.99", 1999, 12, 31}, ParseDateCase{"en_GB", "05/03/2004", 2004, 3, 5},
        ParseDateCase{"nl_NL", "5-3-2004", 2004, 3, 5}, ParseDateCase{"ja_JP", "2004/10/27", 2004, 10, 27},
        ParseDateCase{"ja_JP", "04/3/5", 2004, 3, 5}, ParseDateCase{"en_US", "1/1/0100", 100, 1, 1}));

class ParseDateRejectTest : public testing::TestWithParam<const char*> {};

TEST_P(ParseDateRejectTest, LeavesTheOutputsAlone) {
    int year = -1, month = -1, day = -1;
    EXPECT_FALSE(ParseDate(GetParam(), Locale::UsEnglish(), &year, &month, &day)) << GetParam();
    EXPECT_EQ(year, -1);
    EXPECT_EQ(month, -1);
    EXPECT_EQ(day, -1);
}

INSTANTIATE_TEST_SUITE_P(Bad, ParseDateRejectTest,
                         testing::Values("", "   ", "abc", "10/27", "10/27/2004/1", "13/27/2004", "2/30/2004",
                                         "2/29/2003", "2/29/1900", "0/1/2004", "1/0/2004", "10/27/204",
                                         "10/27/20041", "100/1/2004", "10//27/2004", "10/27/2004x",
                                         "1O/27/2004", "10/27/0099", "-1/2/2004", "10/27/", "/10/27/2004",
                                         "10,27,2004", "10/27/2004 12:00"));

TEST(ParseDateOrderTest, TheSameTextReadsDifferentlyPerLocale) {
    int year = 0, month = 0, day = 0;
    ASSERT_TRUE(ParseDate("5/3/2004", Locale::FromName("en_US"), &year, &month, &day));
    EXPECT_EQ(month, 5);
    ASSERT_TRUE(ParseDate("5/3/2004", Locale::FromName("fr_FR"), &year, &month, &day));
    EXPECT_EQ(month, 3);
    EXPECT_FALSE(ParseDate("10/27/2004", Locale::FromName("fr_FR"), &year, &month, &day));
}

namespace {

struct ParseTimeCase {
    const char* locale;
    const char* text;
    int hour, minute, second;
};

Locale Named(const char* name) {
    if (std::string(name) == "dots") {
        Locale dots;
        dots.timePattern = "HH.mm.ss";
        return dots;
    }
    return Locale::FromName(name);
}

}  // namespace

class ParseTimeTest : public testing::TestWithParam<ParseTimeCase> {};

TEST_P(ParseTimeTest, ReadsTwentyFourAndTwelveHourTimes) {
    const ParseTimeCase& c = GetParam();
    int hour = -1, minute = -1, second = -1;
    ASSERT_TRUE(ParseTime(c.text, Named(c.locale), &hour, &minute, &second)) << c.text;
    EXPECT_EQ(hour, c.hour) << c.text;
    EXPECT_EQ(minute, c.minute) << c.text;
    EXPECT_EQ(second, c.second) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Good, ParseTimeTest,
    testing::Values(
        ParseTimeCase{"en_US", "1:05 PM", 13, 5, 0}, ParseTimeCase{"en_US", "1:05:09 pm", 13, 5, 9},
        ParseTimeCase{"en_US", "12:00 AM", 0, 0, 0}, ParseTimeCase{"en_US", "12:30:15 PM", 12, 30, 15},
        ParseTimeCase{"en_US", "11:59:59AM", 11, 59, 59}, ParseTimeCase{"en_US", "Am 9:15", 9, 15, 0},
        ParseTimeCase{"en_US", "13:05", 13, 5, 0}, ParseTimeCase{"en_US", " 0:00:00 ", 0, 0, 0},
        ParseTimeCase{"de_DE", "13:05:09", 13, 5, 9}, ParseTimeCase{"de_DE", "07:05", 7, 5, 0},
        ParseTimeCase{"dots", "13.05.09", 13, 5, 9}, ParseTimeCase{"dots", "13:05", 13, 5, 0}));

class ParseTimeRejectTest : public testing::TestWithParam<const char*> {};

TEST_P(ParseTimeRejectTest, LeavesTheOutputsAlone) {
    int hour = -1, minute = -1, second = -1;
    EXPECT_FALSE(ParseTime(GetParam(), Locale::UsEnglish(), &hour, &minute, &second)) << GetParam();
    EXPECT_EQ(hour, -1);
    EXPECT_EQ(minute, -1);
    EXPECT_EQ(second, -1);
}

INSTANTIATE_TEST_SUITE_P(Bad, ParseTimeRejectTest,
                         testing::Values("", "noon", "13", "25:00", "24:00:00", "12:60", "12:00:60", "1:5",
                                         "1:05:9", "123:00", "13:05 PM", "0:30 AM", "1:05:09:00", "1:05 XM",
                                         "1.05", "1:05 PM PM", "AM 1:05 PM", ":05", "1:05:"));

TEST(ParseTimeWordsTest, UsesTheLocalesOwnAmPmWords) {
    Locale german = Locale::FromName("de_DE");
    german.am = "vorm.";
    german.pm = "nachm.";
    int hour = 0, minute = 0, second = 0;
    ASSERT_TRUE(ParseTime("1:05 NACHM.", german, &hour, &minute, &second));
    EXPECT_EQ(hour, 13);
    EXPECT_FALSE(ParseTime("1:05 PM", german, &hour, &minute, &second));
}
