// Reading dates and times typed in each locale's short date and time forms.
#include "platform/OleDate.h"

#include <gtest/gtest.h>

#include <array>

using namespace orvanta::platform;

TEST(ParseDate, ReadsDatesInTheLocalesOrder) {
    struct Case {
        const char* locale;
        const char* text;
        std::array<int, 3> ymd;
    };
    const Case cases[] = {{"en_US", "10/27/2004", {2004, 10, 27}},   {"en_US", "1-2-04", {2004, 1, 2}},
                          {"en_US", " 10 27 2004 ", {2004, 10, 27}}, {"en_US", "2/29/2000", {2000, 2, 29}},
                          {"de_DE", "27. 10. 2004", {2004, 10, 27}}, {"de_DE", "5/3/29", {2029, 3, 5}},
                          {"de_DE", "01.01.30", {1930, 1, 1}},       {"fr_FR", "5/3/2004", {2004, 3, 5}},
                          {"ja_JP", "04/3/5", {2004, 3, 5}},         {"en_US", "1/1/0100", {100, 1, 1}}};
    for (const Case& c : cases) {
        std::array<int, 3> ymd{};
        EXPECT_TRUE(ParseDate(c.text, Locale::FromName(c.locale), &ymd[0], &ymd[1], &ymd[2])) << c.text;
        EXPECT_EQ(ymd, c.ymd) << c.text;
    }
}

TEST(ParseDate, RefusesWhatIsNoDateAndLeavesTheOutputsAlone) {
    for (const char* text :
         {"", "abc", "10/27", "10/27/2004/1", "13/27/2004", "2/29/2003", "2/29/1900", "0/1/2004", "10/27/204",
          "100/1/2004", "10//27/2004", "10/27/2004x", "10/27/0099", "-1/2/2004", "10,27,2004"}) {
        std::array<int, 3> ymd = {-1, -1, -1};
        EXPECT_FALSE(ParseDate(text, Locale::UsEnglish(), &ymd[0], &ymd[1], &ymd[2])) << text;
        EXPECT_EQ(ymd, (std::array<int, 3>{-1, -1, -1})) << text;
    }
    int y = 0, m = 0, d = 0;
    EXPECT_FALSE(ParseDate("10/27/2004", Locale::FromName("fr_FR"), &y, &m, &d));
}

TEST(ParseTime, ReadsTwentyFourAndTwelveHourTimes) {
    Locale dots;
    dots.timePattern = "HH.mm.ss";
    struct Case {
        Locale locale;
        const char* text;
        std::array<int, 3> hms;
    };
    const Locale us = Locale::UsEnglish();
    const Case cases[] = {{us, "1:05 PM", {13, 5, 0}},    {us, "1:05:09 pm", {13, 5, 9}},
                          {us, "12:00 AM", {0, 0, 0}},    {us, "12:30:15 PM", {12, 30, 15}},
                          {us, "Am 9:15", {9, 15, 0}},    {us, " 13:05 ", {13, 5, 0}},
                          {dots, "13.05.09", {13, 5, 9}}, {dots, "13:05", {13, 5, 0}}};
    for (const Case& c : cases) {
        std::array<int, 3> hms{};
        EXPECT_TRUE(ParseTime(c.text, c.locale, &hms[0], &hms[1], &hms[2])) << c.text;
        EXPECT_EQ(hms, c.hms) << c.text;
    }
}

TEST(ParseTime, RefusesWhatIsNoTimeAndLeavesTheOutputsAlone) {
    for (const char* text : {"", "noon", "13", "24:00:00", "12:60", "12:00:60", "1:5", "123:00", "13:05 PM",
                             "0:30 AM", "1:05:09:00", "1:05 XM", "1.05", "AM 1:05 PM", "1:05:"}) {
        std::array<int, 3> hms = {-1, -1, -1};
        EXPECT_FALSE(ParseTime(text, Locale::UsEnglish(), &hms[0], &hms[1], &hms[2])) << text;
        EXPECT_EQ(hms, (std::array<int, 3>{-1, -1, -1})) << text;
    }
}

TEST(ParseTime, UsesTheLocalesOwnAmPmWords) {
    Locale german = Locale::FromName("de_DE");
    german.am = "vorm.";
    german.pm = "nachm.";
    int hour = 0, minute = 0, second = 0;
    ASSERT_TRUE(ParseTime("1:05 NACHM.", german, &hour, &minute, &second));
    EXPECT_EQ(hour, 13);
    EXPECT_FALSE(ParseTime("1:05 PM", german, &hour, &minute, &second));
}
