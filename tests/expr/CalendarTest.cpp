// Calendar arithmetic of date expressions: moving dates across month ends and leap days, and
// counting whole days, months and years between dates.
#include "expr/TbCalendar.h"

#include <gtest/gtest.h>

namespace {

struct Move {
    const char* name;
    TbDate from;
    int64_t amount;
    TbDate expected;
};

TEST(TbCalendar, MovingByMonthsOrYearsKeepsTheDayOrLowersItToTheMonthsEnd) {
    const Move months[] = {
        {"31 Jan to a leap February", {2004, 1, 31}, 1, {2004, 2, 29}},
        {"31 Jan to a common February", {2003, 1, 31}, 1, {2003, 2, 28}},
        {"31 Mar back to a 30-day month", {2004, 3, 31}, -1, {2004, 2, 29}},
        {"across the year end", {2004, 11, 30}, 3, {2005, 2, 28}},
        {"back across the year start", {2004, 1, 15}, -13, {2002, 12, 15}},
    };
    for (const Move& m : months) EXPECT_EQ(TbAddMonths(m.from, m.amount), m.expected) << m.name;
    const Move years[] = {
        {"leap day to a common year", {2004, 2, 29}, 1, {2005, 2, 28}},
        {"leap day to a leap year", {2004, 2, 29}, 4, {2008, 2, 29}},
        {"an ordinary day", {2004, 3, 1}, -1, {2003, 3, 1}},
    };
    for (const Move& m : years) EXPECT_EQ(TbAddYears(m.from, m.amount), m.expected) << m.name;
    EXPECT_EQ(TbAddDays({2004, 2, 28}, 2), (TbDate{2004, 3, 1}));
    EXPECT_EQ(TbAddDays({2005, 1, 1}, -1), (TbDate{2004, 12, 31}));
}

TEST(TbCalendar, WholeUnitsBetweenCountACompletedMonthOrYearOnTheSameDayOfMonth) {
    struct Case {
        const char* name;
        TbDate later, earlier;
        int64_t days, months, years;
    } cases[] = {
        {"equal days of month", {2004, 3, 15}, {2004, 1, 15}, 60, 2, 0},
        {"one day short of a month", {2004, 2, 14}, {2004, 1, 15}, 30, 0, 0},
        {"a year to the day", {2005, 2, 28}, {2004, 2, 28}, 366, 12, 1},
        {"a day short of a year", {2005, 2, 27}, {2004, 2, 28}, 365, 11, 0},
        {"later before earlier", {2004, 1, 1}, {2004, 2, 1}, 0, 0, 0},
        {"the same date", {2004, 1, 1}, {2004, 1, 1}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TbDaysBetween(c.later, c.earlier), c.days) << c.name;
        EXPECT_EQ(TbMonthsBetween(c.later, c.earlier), c.months) << c.name;
        EXPECT_EQ(TbYearsBetween(c.later, c.earlier), c.years) << c.name;
    }
}

}  // namespace
