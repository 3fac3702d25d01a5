// Dates and times of day as the expression functions see them: OLE date numbers (days since
// 30 December 1899, the time of day as the fraction of a day).
#pragma once

#include "Value.h"

namespace orvanta::expression {

// Date(year, month, day): months outside 1..12 carry into the year, the day is clamped into
// the month. False when the year ends up outside 100..9999.
bool DateFromParts(double year, double month, double day, double* date);

struct DayParts {
    int year = 0, month = 0, day = 0;
};
// The calendar day of a date number; false outside the years 100..9999.
bool DayPartsOf(double date, DayParts* parts);
// 1 Sunday .. 7 Saturday.
int WeekdayOf(const DayParts& parts);

// The time of day of a value in whole seconds (0..86399), rounded to the nearest second.
// A negative time wraps into the day (-0.25 is 18:00); a date before 1900 keeps the OLE
// convention that its fraction counts away from zero.
int SecondsOfDay(const Value& value);

double TodayDate();  // the local date, whole day
double NowTime();    // the local time of day

}  // namespace orvanta::expression
