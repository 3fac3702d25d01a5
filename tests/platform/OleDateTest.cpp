// Dates and times as COleDateTime keeps them: validity, Palm time stamps, OLE date numbers
// and the clocks.
#include "platform/OleDate.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <array>
#include <cmath>
#include <ctime>
#include <limits>
#include <optional>
#include <string>

using namespace orvanta::platform;

namespace {

struct DateCase {
    int year, month, day;
    bool valid;
};

struct TimeCase {
    int hour, minute, second;
    bool valid;
};

}  // namespace

class DateValidityTest : public testing::TestWithParam<DateCase> {};

TEST_P(DateValidityTest, FollowsTheGregorianCalendarWithinOleRange) {
    const DateCase& c = GetParam();
    EXPECT_EQ(IsValidDate(c.year, c.month, c.day), c.valid) << c.year << "-" << c.month << "-" << c.day;
}

INSTANTIATE_TEST_SUITE_P(Edges, DateValidityTest,
                         testing::Values(DateCase{2004, 2, 29, true}, DateCase{2003, 2, 29, false},
                                         DateCase{1900, 2, 29, false}, DateCase{2000, 2, 29, true},
                                         DateCase{2100, 2, 29, false}, DateCase{2003, 2, 28, true},
                                         DateCase{2004, 13, 1, false}, DateCase{2004, 0, 1, false},
                                         DateCase{2004, 1, 0, false}, DateCase{2004, 1, 31, true},
                                         DateCase{2004, 4, 31, false}, DateCase{2004, 12, 32, false},
                                         DateCase{99, 12, 31, false}, DateCase{100, 1, 1, true},
                                         DateCase{9999, 12, 31, true}, DateCase{10000, 1, 1, false}));

class TimeValidityTest : public testing::TestWithParam<TimeCase> {};

TEST_P(TimeValidityTest, HoursMinutesAndSecondsStayOnTheClock) {
    const TimeCase& c = GetParam();
    EXPECT_EQ(IsValidTime(c.hour, c.minute, c.second), c.valid)
        << c.hour << ":" << c.minute << ":" << c.second;
}

INSTANTIATE_TEST_SUITE_P(Edges, TimeValidityTest,
                         testing::Values(TimeCase{0, 0, 0, true}, TimeCase{23, 59, 59, true},
                                         TimeCase{24, 0, 0, false}, TimeCase{-1, 0, 0, false},
                                         TimeCase{0, 60, 0, false}, TimeCase{0, -1, 0, false},
                                         TimeCase{0, 0, 60, false}, TimeCase{0, 0, -1, false}));

TEST(PalmTimeTest, TheEpochsAreKPalmEpochOffsetApart) {
    EXPECT_EQ(PalmFromUnix(0), kPalmEpochOffset);
    EXPECT_EQ(UnixFromPalm(kPalmEpochOffset), 0);
    EXPECT_EQ(UnixFromPalm(kPalmEpochOffset + 1), 1);
    EXPECT_EQ(PalmFromUnix(-static_cast<int64_t>(kPalmEpochOffset) + 1), 1u);
}

TEST(PalmTimeTest, RoundTripsFromUnixTime) {
    for (int64_t unix : {int64_t{1}, int64_t{1098878709}, int64_t{2000000000}, int64_t{2212122495}})
        EXPECT_EQ(UnixFromPalm(PalmFromUnix(unix)), unix) << unix;
}

TEST(PalmTimeTest, ValuesAtOrBelowTheOffsetGiveUnixZero) {
    EXPECT_EQ(UnixFromPalm(0), 0);
    EXPECT_EQ(UnixFromPalm(1), 0);
    EXPECT_EQ(UnixFromPalm(kPalmEpochOffset - 1), 0);
}

TEST(PalmTimeTest, TimesBefore1904GiveZeroAndAfter2040Wrap) {
    EXPECT_EQ(PalmFromUnix(-static_cast<int64_t>(kPalmEpochOffset)), 0u);
    EXPECT_EQ(PalmFromUnix(-static_cast<int64_t>(kPalmEpochOffset) - 1), 0u);
    EXPECT_EQ(PalmFromUnix(std::numeric_limits<int64_t>::min()), 0u);
    EXPECT_EQ(PalmFromUnix(2212122495), 0xFFFFFFFFu);
    EXPECT_EQ(PalmFromUnix(2212122496), 0u);
    EXPECT_EQ(PalmFromUnix(2212122501), 5u);
    EXPECT_EQ(UnixFromPalm(0xFFFFFFFFu), 2212122495);
}

TEST(PalmTimeTest, NowIsTheCurrentUnixTime) {
    const int64_t before = PalmFromUnix(std::time(nullptr));
    const int64_t now = PalmNow();
    const int64_t after = PalmFromUnix(std::time(nullptr));
    EXPECT_GE(now, before);
    EXPECT_LE(now, after);
}

namespace {

struct OleCase {
    int year, month, day, hour, minute, second;
    double date;
};

}  // namespace

class OleDateNumberTest : public testing::TestWithParam<OleCase> {};

TEST_P(OleDateNumberTest, PartsGiveTheOleNumber) {
    const OleCase& c = GetParam();
    double date = 12345.0;
    ASSERT_TRUE(OleDateFromParts(c.year, c.month, c.day, c.hour, c.minute, c.second, &date));
    EXPECT_DOUBLE_EQ(date, c.date);
}

TEST_P(OleDateNumberTest, TheOleNumberGivesTheParts) {
    const OleCase& c = GetParam();
    int y = 0, mo = 0, d = 0, h = -1, mi = -1, s = -1;
    ASSERT_TRUE(OleDateToParts(c.date, &y, &mo, &d, &h, &mi, &s));
    EXPECT_EQ(y, c.year);
    EXPECT_EQ(mo, c.month);
    EXPECT_EQ(d, c.day);
    EXPECT_EQ(h, c.hour);
    EXPECT_EQ(mi, c.minute);
    EXPECT_EQ(s, c.second);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, OleDateNumberTest,
    testing::Values(OleCase{1899, 12, 30, 0, 0, 0, 0.0}, OleCase{1900, 1, 1, 0, 0, 0, 2.0},
                    OleCase{2004, 10, 27, 0, 0, 0, 38287.0}, OleCase{2004, 10, 27, 12, 0, 0, 38287.5},
                    OleCase{2004, 10, 27, 18, 0, 0, 38287.75}, OleCase{1970, 1, 1, 0, 0, 0, 25569.0},
                    OleCase{2000, 3, 1, 0, 0, 0, 36586.0}, OleCase{1899, 12, 30, 6, 0, 0, 0.25},
                    OleCase{1899, 12, 29, 6, 0, 0, -1.25}, OleCase{1899, 12, 28, 18, 0, 0, -2.75},
                    OleCase{1800, 1, 1, 0, 0, 0, -36522.0}, OleCase{100, 1, 1, 0, 0, 0, -657434.0},
                    OleCase{9999, 12, 31, 0, 0, 0, 2958465.0}));

TEST(OleDateTest, InvalidPartsGiveNoNumber) {
    double date = 7.0;
    EXPECT_FALSE(OleDateFromParts(2003, 2, 29, 0, 0, 0, &date));
    EXPECT_FALSE(OleDateFromParts(99, 12, 31, 0, 0, 0, &date));
    EXPECT_FALSE(OleDateFromParts(2004, 10, 27, 24, 0, 0, &date));
    EXPECT_FALSE(OleDateFromParts(2004, 10, 27, 0, 0, 60, &date));
    EXPECT_EQ(date, 7.0);
}

TEST(OleDateTest, TimeOfDayRoundsToTheNearestSecond) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    ASSERT_TRUE(OleDateToParts(38287.5 + 0.4 / 86400, &y, &mo, &d, &h, &mi, &s));
    EXPECT_EQ(s, 0);
    ASSERT_TRUE(OleDateToParts(38287.5 + 0.6 / 86400, &y, &mo, &d, &h, &mi, &s));
    EXPECT_EQ(s, 1);
    ASSERT_TRUE(OleDateToParts(38287.5 + 1.0 / 3, &y, &mo, &d, &h, &mi, &s));
    EXPECT_EQ(h * 3600 + mi * 60 + s, 20 * 3600);
}

TEST(OleDateTest, RoundingUpToMidnightMovesToTheNextDay) {
    int y = 0, mo = 0, d = 0, h = -1, mi = -1, s = -1;
    ASSERT_TRUE(OleDateToParts(38287.9999999, &y, &mo, &d, &h, &mi, &s));
    EXPECT_EQ((std::array<int, 6>{y, mo, d, h, mi, s}), (std::array<int, 6>{2004, 10, 28, 0, 0, 0}));
    ASSERT_TRUE(OleDateToParts(-1.9999999, &y, &mo, &d, &h, &mi, &s));
    EXPECT_EQ((std::array<int, 6>{y, mo, d, h, mi, s}), (std::array<int, 6>{1899, 12, 30, 0, 0, 0}));
}

TEST(OleDateTest, SmallNegativeNumbersAreOnDayZero) {
    int y = 0, mo = 0, d = 0, h = -1, mi = -1, s = -1;
    ASSERT_TRUE(OleDateToParts(-0.25, &y, &mo, &d, &h, &mi, &s));
    EXPECT_EQ((std::array<int, 6>{y, mo, d, h, mi, s}), (std::array<int, 6>{1899, 12, 30, 6, 0, 0}));
}

TEST(OleDateTest, NumbersOutsideYears100To9999HaveNoParts) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    EXPECT_FALSE(OleDateToParts(-657435.0, &y, &mo, &d, &h, &mi, &s));
    EXPECT_FALSE(OleDateToParts(2958466.0, &y, &mo, &d, &h, &mi, &s));
    EXPECT_FALSE(OleDateToParts(1.0e300, &y, &mo, &d, &h, &mi, &s));
    EXPECT_FALSE(OleDateToParts(std::nan(""), &y, &mo, &d, &h, &mi, &s));
    EXPECT_FALSE(OleDateToParts(std::numeric_limits<double>::infinity(), &y, &mo, &d, &h, &mi, &s));
    EXPECT_TRUE(OleDateToParts(-657434.5, &y, &mo, &d, &h, &mi, &s));
    EXPECT_TRUE(OleDateToParts(2958465.9999, &y, &mo, &d, &h, &mi, &s));
}

namespace {

// Sets the time zone for one test and puts the previous one back afterwards.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        const char* previous = ::getenv("TZ");
        if (previous) m_previous = previous;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~ScopedTimeZone() {
        if (m_previous)
            ::setenv("TZ", m_previous->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> m_previous;
};

int MinuteOfDay(const ClockTime& t) { return t.hour * 60 + t.minute; }

// Reads the local and UTC clocks within one second of the system clock.
template <typename Read>
void ReadWithinOneSecond(Read read) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        const time_t before = std::time(nullptr);
        read();
        if (std::time(nullptr) == before) return;
    }
}

}  // namespace

TEST(ClockTest, UtcClockMatchesTheSystemClock) {
    CalendarDate today{};
    ClockTime now{};
    time_t stamp = 0;
    ReadWithinOneSecond([&] {
        stamp = std::time(nullptr);
        today = UtcToday();
        now = UtcNow();
    });
    struct tm expected {};
    gmtime_r(&stamp, &expected);
    EXPECT_EQ(today.year, expected.tm_year + 1900);
    EXPECT_EQ(today.month, expected.tm_mon + 1);
    EXPECT_EQ(today.day, expected.tm_mday);
    EXPECT_EQ(MinuteOfDay(now), expected.tm_hour * 60 + expected.tm_min);
    EXPECT_EQ(now.second, expected.tm_sec);
}

TEST(ClockTest, LocalClockFollowsTheTimeZone) {
    ScopedTimeZone zone("<+0530>-5:30");
    ClockTime local{}, utc{};
    CalendarDate localDay{}, utcDay{};
    ReadWithinOneSecond([&] {
        local = LocalNow();
        utc = UtcNow();
        localDay = LocalToday();
        utcDay = UtcToday();
    });
    EXPECT_EQ(MinuteOfDay(local), (MinuteOfDay(utc) + 330) % 1440);
    EXPECT_EQ(local.second, utc.second);
    const bool crossedMidnight = MinuteOfDay(utc) + 330 >= 1440;
    EXPECT_EQ(localDay.day == utcDay.day, !crossedMidnight);
    EXPECT_TRUE(IsValidDate(localDay.year, localDay.month, localDay.day));
}
