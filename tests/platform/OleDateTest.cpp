// Dates and times as COleDateTime keeps them: validity, Palm time stamps, OLE date numbers
// and the clocks.
#include "platform/OleDate.h"
#include "support/ScopedEnv.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <ctime>
#include <limits>
#include <optional>
#include <string>

using namespace orvanta::platform;

using Parts = std::array<int, 6>;  // year, month, day, hour, minute, second
using Triple = std::array<int, 3>;

namespace {

std::optional<Parts> PartsOf(double date) {
    Parts p{};
    if (!OleDateToParts(date, &p[0], &p[1], &p[2], &p[3], &p[4], &p[5])) return std::nullopt;
    return p;
}

}  // namespace

TEST(OleDate, DatesFollowTheGregorianCalendarWithinOleRangeAndTimesTheClock) {
    const Triple validDates[] = {{2004, 2, 29}, {2000, 2, 29}, {2004, 1, 31}, {100, 1, 1}, {9999, 12, 31}};
    const Triple invalidDates[] = {{2003, 2, 29}, {1900, 2, 29}, {2004, 13, 1}, {2004, 0, 1},
                                   {2004, 1, 0},  {2004, 4, 31}, {99, 12, 31},  {10000, 1, 1}};
    const Triple invalidTimes[] = {{24, 0, 0}, {-1, 0, 0}, {0, 60, 0}, {0, -1, 0}, {0, 0, 60}, {0, 0, -1}};
    for (auto [y, m, d] : validDates) EXPECT_TRUE(IsValidDate(y, m, d)) << y << "-" << m << "-" << d;
    for (auto [y, m, d] : invalidDates) EXPECT_FALSE(IsValidDate(y, m, d)) << y << "-" << m << "-" << d;
    EXPECT_TRUE(IsValidTime(0, 0, 0));
    EXPECT_TRUE(IsValidTime(23, 59, 59));
    for (auto [h, m, s] : invalidTimes) EXPECT_FALSE(IsValidTime(h, m, s)) << h << ":" << m << ":" << s;
}

TEST(Calendar, DayNumbersLeapYearsAndMonthEndsFollowTheGregorianCalendarForAnyYear) {
    struct Case {
        const char* name;
        int64_t year, month, day, days;
    } cases[] = {
        {"unix epoch", 1970, 1, 1, 0},
        {"day before", 1969, 12, 31, -1},
        {"leap day 2000", 2000, 2, 29, 11016},
        {"after the 1900 non-leap day", 1900, 3, 1, -25508},
        {"OLE day 0", 1899, 12, 30, -25569},
        {"year 1", 1, 1, 1, -719162},
        {"far future", 40000, 1, 1, 13'890'172},
        {"month 13 carries", 1999, 13, 1, 10957},
        {"day 0 is the day before", 2004, 3, 0, 12477},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DaysFromCivil(c.year, c.month, c.day), c.days) << c.name;
        CalendarDate back = CivilFromDays(DaysFromCivil(c.year, c.month, c.day));
        EXPECT_EQ(DaysFromCivil(back.year, back.month, back.day), c.days) << c.name;
    }
    EXPECT_EQ(
        (Triple{CivilFromDays(13'890'172).year, CivilFromDays(-719162).month, CivilFromDays(12477).day}),
        (Triple{40000, 1, 29}));

    const std::pair<int64_t, bool> leapYears[] = {{2000, true},  {1900, false}, {2004, true},
                                                  {2003, false}, {-4, true},    {2400, true}};
    for (auto [year, leap] : leapYears) EXPECT_EQ(IsLeapYear(year), leap) << year;

    const Triple monthEnds[] = {{2004, 2, 29},  {2003, 2, 28}, {1900, 2, 28}, {2004, 4, 30},
                                {2004, 12, 31}, {2004, 13, 0}, {2004, 0, 0}};
    for (auto [y, m, last] : monthEnds) EXPECT_EQ(DaysInMonth(y, m), last) << y << "-" << m;
}

TEST(OleDate, PalmTimeIsUnixTimeFrom1904Clamped) {
    const int64_t offset = kPalmEpochOffset;
    EXPECT_EQ(PalmFromUnix(0), kPalmEpochOffset);
    for (int64_t unix : {int64_t{1}, int64_t{1098878709}, int64_t{2212122495}})
        EXPECT_EQ(UnixFromPalm(PalmFromUnix(unix)), unix) << unix;
    EXPECT_EQ(PalmFromUnix(-offset + 1), 1u);
    EXPECT_EQ(PalmFromUnix(-offset - 1), 0u);  // before 1904
    EXPECT_EQ(PalmFromUnix(std::numeric_limits<int64_t>::min()), 0u);
    EXPECT_EQ(PalmFromUnix(2212122496), 0u);  // early 2040 wraps
    EXPECT_EQ(UnixFromPalm(kPalmEpochOffset), 0);
    EXPECT_EQ(UnixFromPalm(1), 0);
    const uint32_t before = PalmFromUnix(std::time(nullptr)), now = PalmNow();
    EXPECT_GE(now, before);
    EXPECT_LE(now, PalmFromUnix(std::time(nullptr)));
}

TEST(OleDate, PartsAndOleNumbersConvertBothWays) {
    const std::pair<Parts, double> cases[] = {
        {{1899, 12, 30, 0, 0, 0}, 0.0},       {{1900, 1, 1, 0, 0, 0}, 2.0},
        {{2004, 10, 27, 18, 0, 0}, 38287.75}, {{2000, 3, 1, 0, 0, 0}, 36586.0},
        {{1899, 12, 30, 6, 0, 0}, 0.25},      {{1899, 12, 29, 6, 0, 0}, -1.25},
        {{1899, 12, 28, 18, 0, 0}, -2.75},    {{100, 1, 1, 0, 0, 0}, -657434.0},
        {{9999, 12, 31, 0, 0, 0}, 2958465.0}};
    for (const auto& [p, number] : cases) {
        SCOPED_TRACE(number);
        double date = 12345.0;
        ASSERT_TRUE(OleDateFromParts(p[0], p[1], p[2], p[3], p[4], p[5], &date));
        EXPECT_DOUBLE_EQ(date, number);
        EXPECT_EQ(PartsOf(number), p);
    }
    double date = 7.0;
    EXPECT_FALSE(OleDateFromParts(2003, 2, 29, 0, 0, 0, &date));
    EXPECT_FALSE(OleDateFromParts(2004, 10, 27, 0, 0, 60, &date));
    EXPECT_EQ(date, 7.0);
}

TEST(OleDate, TimeOfDayRoundsToTheNearestSecondAndRangeIsYears100To9999) {
    EXPECT_EQ(PartsOf(38287.5 + 0.4 / 86400), (Parts{2004, 10, 27, 12, 0, 0}));
    EXPECT_EQ(PartsOf(38287.5 + 0.6 / 86400), (Parts{2004, 10, 27, 12, 0, 1}));
    EXPECT_EQ(PartsOf(38287.9999999), (Parts{2004, 10, 28, 0, 0, 0}));  // up to the next midnight
    EXPECT_EQ(PartsOf(-1.9999999), (Parts{1899, 12, 30, 0, 0, 0}));
    EXPECT_EQ(PartsOf(-0.25), (Parts{1899, 12, 30, 6, 0, 0}));
    for (double outside :
         {-657435.0, 2958466.0, 1.0e300, std::nan(""), std::numeric_limits<double>::infinity()})
        EXPECT_EQ(PartsOf(outside), std::nullopt) << outside;
    EXPECT_NE(PartsOf(-657434.5), std::nullopt);
    EXPECT_NE(PartsOf(2958465.9999), std::nullopt);
}

TEST(OleDate, ClocksFollowTheSystemClockAndTheTimeZone) {
    ScopedEnv zone("TZ", "<+0530>-5:30");
    time_t stamp = 0;
    ClockTime local{}, utc{};
    CalendarDate localDay{}, utcDay{};
    for (int attempt = 0; attempt < 5; ++attempt) {  // all read within one second
        stamp = std::time(nullptr);
        local = LocalNow(), utc = UtcNow(), localDay = LocalToday(), utcDay = UtcToday();
        if (std::time(nullptr) == stamp) break;
    }
    struct tm expected {};
    gmtime_r(&stamp, &expected);
    EXPECT_EQ((Parts{utcDay.year, utcDay.month, utcDay.day, utc.hour, utc.minute, utc.second}),
              (Parts{expected.tm_year + 1900, expected.tm_mon + 1, expected.tm_mday, expected.tm_hour,
                     expected.tm_min, expected.tm_sec}));
    const int utcMinute = utc.hour * 60 + utc.minute;
    EXPECT_EQ(local.hour * 60 + local.minute, (utcMinute + 330) % 1440);
    EXPECT_EQ(local.second, utc.second);
    EXPECT_EQ(localDay.day == utcDay.day, utcMinute + 330 < 1440);
}
