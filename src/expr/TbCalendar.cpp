// Calendar arithmetic for date expressions.
#include "expr/TbCalendar.h"

#include "platform/OleDate.h"

#include <algorithm>

namespace {

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

int TbDaysInMonth(int year, int month) { return orvanta::platform::DaysInMonth(year, month); }

int64_t TbDayNumber(const TbDate& date) {
    return orvanta::platform::DaysFromCivil(date.year, date.month, date.day);
}

TbDate TbDateFromDayNumber(int64_t dayNumber) {
    orvanta::platform::CalendarDate date = orvanta::platform::CivilFromDays(dayNumber);
    return {date.year, date.month, date.day};
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
