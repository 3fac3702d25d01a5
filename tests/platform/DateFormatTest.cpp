// Dates and times as text: the short date and time of day of each locale, and Windows pictures.
#include "platform/OleDate.h"

#include <gtest/gtest.h>

using namespace orvanta::platform;

TEST(DateText, ShortDateAndTimeOfDayFollowTheLocale) {
    struct Case {
        const char* locale;
        int year, month, day, hour, minute, second;
        const char* date;
        const char* time;
    };
    const Case cases[] = {{"en_US", 2004, 10, 27, 0, 0, 0, "10/27/2004", "12:00:00 AM"},
                          {"en_US", 2004, 3, 5, 12, 5, 9, "3/5/2004", "12:05:09 PM"},
                          {"en_US", 100, 1, 1, 11, 59, 59, "1/1/0100", "11:59:59 AM"},
                          {"de_DE", 2004, 3, 5, 7, 5, 9, "05.03.2004", "07:05:09"},
                          {"nl_NL", 2004, 3, 5, 13, 5, 9, "5-3-2004", "13:05:09"},
                          {"ja_JP", 2004, 3, 5, 7, 5, 9, "2004/03/05", "7:05:09"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        const Locale locale = Locale::FromName(c.locale);
        EXPECT_EQ(FormatDateOnly(c.year, c.month, c.day, locale), c.date);
        EXPECT_EQ(FormatTimeOnly(c.hour, c.minute, c.second, locale), c.time);
    }
}

TEST(DateText, InvalidDatesAndTimesAreEmptyAndTheDefaultIsTheUsersLocale) {
    const Locale us = Locale::UsEnglish();
    EXPECT_EQ(FormatDateOnly(2003, 2, 29, us), "");
    EXPECT_EQ(FormatDateOnly(2004, 13, 1, us), "");
    EXPECT_EQ(FormatTimeOnly(24, 0, 0, us), "");
    EXPECT_EQ(FormatTimeOnly(0, 60, 0, us), "");
    ScopedLocaleOverride german(Locale::FromName("de_DE"));
    EXPECT_EQ(FormatDateOnly(2004, 10, 27), "27.10.2004");
    EXPECT_EQ(FormatTimeOnly(13, 5, 9), "13:05:09");
}

TEST(DateText, PictureCodesTakeTheirPartsAndTheRestIsCopied) {
    const std::pair<const char*, const char*> dates[] = {
        {"d/M/yy", "7/3/04"},   {"dd.MM.yyyy", "07.03.2004"},
        {"y yyyyy", "4 2004"},  {"dddd, MMMM d", "Sunday, March 7"},
        {"ddd MMM", "Sun Mar"}, {"'It''s' 'd' d", "It's d 7"},
        {"hh:mm d", "hh:mm 7"}, {"", ""}};
    for (const auto& [picture, text] : dates)
        EXPECT_EQ(FormatDatePicture(2004, 3, 7, picture), text) << picture;
    EXPECT_EQ(FormatDatePicture(800, 1, 2, "yyyy-MM-dd"), "0800-01-02");

    Locale locale;
    locale.am = "vorm.";
    locale.pm = "nachm.";
    const std::pair<const char*, const char*> times[] = {
        {"HH:mm", "13:05"},         {"h:m:s", "1:5:9"},      {"hh.mm.ss", "01.05.09"}, {"h t", "1 n"},
        {"tt h:mm", "nachm. 1:05"}, {"H 'h' mm", "13 h 05"}, {"d M y H", "d M y 13"}};
    for (const auto& [picture, text] : times)
        EXPECT_EQ(FormatTimePicture(13, 5, 9, picture, locale), text) << picture;
}
