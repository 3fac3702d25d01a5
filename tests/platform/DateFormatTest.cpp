// Dates and times as text: the short date and time of day of each locale, and Windows pictures.
#include "platform/OleDate.h"

#include <gtest/gtest.h>

using namespace orvanta::platform;

namespace {

struct FormatCase {
    const char* locale;
    int year, month, day, hour, minute, second;
    const char* date;
    const char* time;
};

}  // namespace

class LocaleFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(LocaleFormatTest, DateOnlyAndTimeOnlyFollowTheLocale) {
    const FormatCase& c = GetParam();
    const Locale locale = Locale::FromName(c.locale);
    EXPECT_EQ(FormatDateOnly(c.year, c.month, c.day, locale), c.date);
    EXPECT_EQ(FormatTimeOnly(c.hour, c.minute, c.second, locale), c.time);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LocaleFormatTest,
    testing::Values(FormatCase{"en_US", 2004, 10, 27, 0, 0, 0, "10/27/2004", "12:00:00 AM"},
                    FormatCase{"en_US", 2004, 3, 5, 13, 5, 9, "3/5/2004", "1:05:09 PM"},
                    FormatCase{"en_US", 2004, 3, 5, 12, 0, 0, "3/5/2004", "12:00:00 PM"},
                    FormatCase{"en_US", 2004, 3, 5, 11, 59, 59, "3/5/2004", "11:59:59 AM"},
                    FormatCase{"de_DE", 2004, 10, 27, 13, 5, 9, "27.10.2004", "13:05:09"},
                    FormatCase{"de_DE", 2004, 3, 5, 7, 5, 9, "05.03.2004", "07:05:09"},
                    FormatCase{"en_GB", 2004, 3, 5, 0, 0, 0, "05/03/2004", "00:00:00"},
                    FormatCase{"fr_FR", 1999, 12, 31, 23, 59, 59, "31/12/1999", "23:59:59"},
                    FormatCase{"nl_NL", 2004, 3, 5, 7, 5, 9, "5-3-2004", "07:05:09"},
                    FormatCase{"es_ES", 2004, 3, 5, 7, 5, 9, "05/03/2004", "7:05:09"},
                    FormatCase{"it_IT", 2004, 3, 5, 7, 5, 9, "05/03/2004", "07:05:09"},
                    FormatCase{"ja_JP", 2004, 3, 5, 7, 5, 9, "2004/03/05", "7:05:09"}));

TEST(DateTextTest, InvalidDatesAndTimesFormatAsEmptyText) {
    const Locale us = Locale::UsEnglish();
    EXPECT_EQ(FormatDateOnly(2003, 2, 29, us), "");
    EXPECT_EQ(FormatDateOnly(2004, 13, 1, us), "");
    EXPECT_EQ(FormatTimeOnly(24, 0, 0, us), "");
    EXPECT_EQ(FormatTimeOnly(0, 60, 0, us), "");
}

TEST(DateTextTest, TheDefaultLocaleIsTheUsersLocale) {
    ScopedLocaleOverride german(Locale::FromName("de_DE"));
    EXPECT_EQ(FormatDateOnly(2004, 10, 27), "27.10.2004");
    EXPECT_EQ(FormatTimeOnly(13, 5, 9), "13:05:09");
}

namespace {

struct PictureCase {
    const char* picture;
    const char* text;
};

}  // namespace

class DatePictureTest : public testing::TestWithParam<PictureCase> {};

TEST_P(DatePictureTest, CodesTakeTheDatePartsAndTheRestIsCopied) {
    EXPECT_EQ(FormatDatePicture(2004, 3, 7, GetParam().picture), GetParam().text) << GetParam().picture;
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, DatePictureTest,
    testing::Values(PictureCase{"d/M/yy", "7/3/04"}, PictureCase{"dd.MM.yyyy", "07.03.2004"},
                    PictureCase{"y", "4"}, PictureCase{"yyyyy", "2004"},
                    PictureCase{"dddd, MMMM d, yyyy", "Sunday, March 7, 2004"},
                    PictureCase{"ddd d MMM", "Sun 7 Mar"}, PictureCase{"'Day' d", "Day 7"},
                    PictureCase{"'It''s' yyyy", "It's 2004"}, PictureCase{"d 'of' MM", "7 of 03"},
                    PictureCase{"hh:mm d", "hh:mm 7"}, PictureCase{"", ""}));

class TimePictureTest : public testing::TestWithParam<PictureCase> {};

TEST_P(TimePictureTest, CodesTakeTheTimePartsAndTheRestIsCopied) {
    Locale locale;
    locale.am = "vorm.";
    locale.pm = "nachm.";
    EXPECT_EQ(FormatTimePicture(13, 5, 9, GetParam().picture, locale), GetParam().text) << GetParam().picture;
}

INSTANTIATE_TEST_SUITE_P(Pictures, TimePictureTest,
                         testing::Values(PictureCase{"HH:mm", "13:05"}, PictureCase{"h:m:s", "1:5:9"},
                                         PictureCase{"hh.mm.ss", "01.05.09"}, PictureCase{"h t", "1 n"},
                                         PictureCase{"tt h:mm", "nachm. 1:05"},
                                         PictureCase{"H 'h' mm", "13 h 05"},
                                         PictureCase{"d M y H", "d M y 13"}));

TEST(DateTextTest, YearsBeforeOneThousandKeepFourDigits) {
    EXPECT_EQ(FormatDatePicture(800, 1, 2, "yyyy-MM-dd"), "0800-01-02");
    EXPECT_EQ(FormatDateOnly(100, 1, 1, Locale::UsEnglish()), "1/1/0100");
}
