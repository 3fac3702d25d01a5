// Calendar arithmetic for date expressions.
#include "expr/TbCalendar.h"

#include <algorithm>

namespace {

bool IsLeapYear(int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Floor division, so that months before January carry into the year below.
int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

TbDate WithMonthIndex(const TbDate& date, int64_t monthIndex) {
    TbDate moved = date;
    moved.year = static_cast<int>(FloorDiv(monthIndex, 12));
    moved.month = static_cast<int>(monthIndex - FloorDiv(monthIndex, 12) * 12 + 1);
    return moved;
}

// Lowers a day that the month does not have to the month's last day.
TbDate ClampDay(TbDate date) {
    int last = TbDaysInMonth(date.year, date.month);
    if (last > 0) date.day = std::min(date.day, last);
    return date;
}

}  // namespace

int TbDaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int64_t TbDayNumber(const TbDate& date) {
    int64_t monthIndex = int64_t{date.year} * 12 + date.month - 1;
    int64_t year = FloorDiv(monthIndex, 12);
    int64_t month = monthIndex - year * 12 + 1;
    year -= month <= 2;
    const int64_t era = FloorDiv(year, 400);
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

TbDate TbDateFromDayNumber(int64_t dayNumber) {
    dayNumber += 719468;
    const int64_t era = FloorDiv(dayNumber, 146097);
    const int64_t dayOfEra = dayNumber - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int64_t day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const int64_t month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    const int64_t year = yearOfEra + era * 400 + (month <= 2);
    return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

TbDate TbAddDays(const TbDate& date, int64_t days) { return TbDateFromDayNumber(TbDayNumber(date) + days); }

TbDate TbAddMonths(const TbDate& date, int64_t months) {
    int64_t monthIndex = int64_t{date.year} * 12 + date.month - 1 + months;
    return ClampDay(WithMonthIndex(date, monthIndex));
}

TbDate TbAddYears(const TbDate& date, int64_t years) {
    TbDate moved = date;
    moved.year = static_cast<int>(date.year + years);
    return ClampDay(moved);
}

int64_t TbDaysBetween(const TbDate& later, const TbDate& earlier) {
    return later > earlier ? TbDayNumber(later) - TbDayNumber(earlier) : 0;
}

int64_t TbMonthsBetween(const TbDate& later, const TbDate& earlier) {
    if (later < earlier) return 0;
    int64_t months = later.year > earlier.year ? 12 * int64_t{later.year - earlier.year} : 0;
    months += later.month - earlier.month;
    return later.day < earlier.day ? months - 1 : months;
}

int64_t TbYearsBetween(const TbDate& later, const TbDate& earlier) {
    if (!(later > earlier)) return 0;
    int64_t years = later.year - earlier.year;
    bool beforeAnniversary =
        later.month < earlier.month || (later.month == earlier.month && later.day < earlier.day);
    return beforeAnniversary ? years - 1 : years;
}
