// Calendar arithmetic for date expressions: moving a date by days, months or years, and the
// whole days, months and years between two dates, on the proleptic Gregorian calendar.
#pragma once

#include <compare>
#include <cstdint>

struct TbDate {
    int year = 0;
    int month = 0;
    int day = 0;
    auto operator<=>(const TbDate&) const = default;
};

// Days since 1 January 1970; a month outside 1..12 is carried into the year first.
int64_t TbDayNumber(const TbDate& date);
TbDate TbDateFromDayNumber(int64_t dayNumber);
// 28..31 for months 1..12; 0 for any other month.
int TbDaysInMonth(int year, int month);

TbDate TbAddDays(const TbDate& date, int64_t days);
// The month moves by the amount, carried into the year; a day past the new month's end is
// lowered to its last day (31 January + 1 month is 28 or 29 February).
TbDate TbAddMonths(const TbDate& date, int64_t months);
// The year moves by the amount; 29 February becomes 28 February in a common year.
TbDate TbAddYears(const TbDate& date, int64_t years);

// Whole units from 'earlier' up to 'later'; 0 when 'later' is not after 'earlier'.
int64_t TbDaysBetween(const TbDate& later, const TbDate& earlier);
int64_t TbMonthsBetween(const TbDate& later, const TbDate& earlier);
int64_t TbYearsBetween(const TbDate& later, const TbDate& earlier);
