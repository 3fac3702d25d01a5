#include "Calendar.h"

#include "platform/OleDate.h"

#include <cmath>
#include <cstdint>

namespace orvanta::expression {

namespace {

constexpr int kSecondsPerDay = 86400;

}  // namespace

bool DateFromParts(double year, double month, double day, double* date) {
    // Far outside the calendar either way; keeps the integer arithmetic below in range.
    if (std::fabs(year) > 1e6 || std::fabs(month) > 1e7 || std::fabs(day) > 1e9) return false;
    const int64_t months =
        static_cast<int64_t>(std::trunc(year)) * 12 + static_cast<int64_t>(std::trunc(month)) - 1;
    const int64_t wholeYear = months >= 0 ? months / 12 : (months - 11) / 12;
    if (wholeYear < 100 || wholeYear > 9999) return false;
    const int y = static_cast<int>(wholeYear);
    const int m = static_cast<int>(months - wholeYear * 12) + 1;
    const int64_t wanted = static_cast<int64_t>(std::trunc(day));
    const int d = wanted < 1 ? 1
                             : (wanted > platform::DaysInMonth(y, m) ? platform::DaysInMonth(y, m)
                                                                     : static_cast<int>(wanted));
    return platform::OleDateFromParts(y, m, d, 0, 0, 0, date);
}

bool DayPartsOf(double date, DayParts* parts) {
    int hour = 0, minute = 0, second = 0;
    return platform::OleDateToParts(date, &parts->year, &parts->month, &parts->day, &hour, &minute, &second);
}

int WeekdayOf(const DayParts& parts) {
    double day = 0;
    platform::OleDateFromParts(parts.year, parts.month, parts.day, 0, 0, 0, &day);
    // OLE day 0, 30 December 1899, was a Saturday.
    const int64_t sinceSaturday = ((static_cast<int64_t>(day) % 7) + 7) % 7;
    return static_cast<int>((sinceSaturday + 6) % 7) + 1;
}

int SecondsOfDay(const Value& value) {
    const double x = value.number;
    if (!std::isfinite(x) || std::fabs(x) > 1e12) return 0;
    const double fraction =
        value.kind == ValueKind::Date && x < 0 ? std::fabs(x - std::trunc(x)) : x - std::floor(x);
    const auto seconds = static_cast<int>(std::llround(fraction * kSecondsPerDay));
    return seconds >= kSecondsPerDay ? seconds - kSecondsPerDay : seconds;
}

double TodayDate() {
    const platform::CalendarDate today = platform::LocalToday();
    double date = 0;
    platform::OleDateFromParts(today.year, today.month, today.day, 0, 0, 0, &date);
    return date;
}

double NowTime() {
    const platform::ClockTime now = platform::LocalNow();
    return (now.hour * 3600.0 + now.minute * 60.0 + now.second) / kSecondsPerDay;
}

}  // namespace orvanta::expression
