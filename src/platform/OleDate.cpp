#include "platform/OleDate.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace orvanta::platform {

namespace {

// Days between 1899-12-30 (OLE day 0) and 1970-01-01.
constexpr int64_t kOleDayOfUnixEpoch = 25569;
constexpr int64_t kSecondsPerDay = 86400;

struct tm BrokenDownNow(bool local) {
    time_t now = std::time(nullptr);
    struct tm parts {};
    if (local)
        localtime_r(&now, &parts);
    else
        gmtime_r(&now, &parts);
    return parts;
}

CalendarDate DateOf(const struct tm& parts) {
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

ClockTime TimeOf(const struct tm& parts) {
    // A leap second reads as the last second of its minute, which is all a ClockTime can hold.
    return {parts.tm_hour, parts.tm_min, parts.tm_sec > 59 ? 59 : parts.tm_sec};
}

}  // namespace

// The Gregorian calendar repeats every 400 years (146097 days). std::chrono's calendar holds
// years -32767..32767 only, so any year is taken to its place in the cycle that starts in 2000
// and the whole cycles are counted apart.
namespace {

namespace chr = std::chrono;

constexpr int64_t kYearsPerCycle = 400;
constexpr int64_t kDaysPerCycle = 146097;
constexpr int kCycleStartYear = 2000;
constexpr int64_t kCyclesBeforeUnixEpoch = 5;  // the cycle of 1970 starts in 1600 = 2000 - 400

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

chr::year CycleYear(int64_t year, int64_t* cycles) {
    *cycles = FloorDiv(year, kYearsPerCycle);
    return chr::year{static_cast<int>(year - *cycles * kYearsPerCycle) + kCycleStartYear};
}

}  // namespace

int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
    const int64_t monthIndex = year * 12 + month - 1;  // months outside 1..12 carry into the year
    int64_t cycles = 0;
    const chr::year inCycle = CycleYear(FloorDiv(monthIndex, 12), &cycles);
    const auto monthOfYear = static_cast<unsigned>(monthIndex - FloorDiv(monthIndex, 12) * 12 + 1);
    const chr::sys_days first{inCycle / chr::month{monthOfYear} / 1};
    return first.time_since_epoch().count() + (day - 1) + (cycles - kCyclesBeforeUnixEpoch) * kDaysPerCycle;
}

CalendarDate CivilFromDays(int64_t days) {
    const int64_t cycles = FloorDiv(days, kDaysPerCycle) + kCyclesBeforeUnixEpoch;
    const int64_t inCycle = days - (cycles - kCyclesBeforeUnixEpoch) * kDaysPerCycle;
    const chr::year_month_day date{chr::sys_days{chr::days{inCycle}}};
    const int64_t year = int{date.year()} - kCycleStartYear + cycles * kYearsPerCycle;
    return {static_cast<int>(year), static_cast<int>(unsigned{date.month()}),
            static_cast<int>(unsigned{date.day()})};
}

bool IsLeapYear(int64_t year) {
    int64_t cycles = 0;
    return CycleYear(year, &cycles).is_leap();
}

int DaysInMonth(int year, int month) {
    if (month < 1 || month > 12) return 0;
    int64_t cycles = 0;
    const chr::year_month_day_last last{CycleYear(year, &cycles),
                                        chr::month_day_last{chr::month{static_cast<unsigned>(month)}}};
    return static_cast<int>(unsigned{last.day()});
}

uint32_t PalmFromUnix(int64_t unixSeconds) {
    if (unixSeconds < -static_cast<int64_t>(kPalmEpochOffset)) return 0;
    return static_cast<uint32_t>(static_cast<uint64_t>(unixSeconds) + kPalmEpochOffset);
}

int64_t UnixFromPalm(uint32_t palmSeconds) {
    return palmSeconds > kPalmEpochOffset ? int64_t{palmSeconds} - kPalmEpochOffset : 0;
}

uint32_t PalmNow() { return PalmFromUnix(static_cast<int64_t>(std::time(nullptr))); }

bool IsValidDate(int year, int month, int day) {
    if (year < 100 || year > 9999 || month < 1 || month > 12) return false;
    return day >= 1 && day <= DaysInMonth(year, month);
}

bool IsValidTime(int hour, int minute, int second) {
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

bool OleDateFromParts(int year, int month, int day, int hour, int minute, int second, double* out) {
    if (!IsValidDate(year, month, day) || !IsValidTime(hour, minute, second)) return false;
    const int64_t days = DaysFromCivil(year, month, day) + kOleDayOfUnixEpoch;
    const double fraction = static_cast<double>(hour * 3600 + minute * 60 + second) / kSecondsPerDay;
    *out = static_cast<double>(days) + (days >= 0 ? fraction : -fraction);
    return true;
}

bool OleDateToParts(double date, int* year, int* month, int* day, int* hour, int* minute, int* second) {
    // Well beyond year 9999 either way; keeps the conversions below in range.
    if (!std::isfinite(date) || std::fabs(date) > 4.0e6) return false;
    const double whole = std::trunc(date);
    int64_t days = static_cast<int64_t>(whole);
    int64_t seconds = std::llround(std::fabs(date - whole) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {
        // Rounded up to midnight: the next calendar day, whichever side of day 0 it is on.
        ++days;
        seconds -= kSecondsPerDay;
    }
    const CalendarDate calendar = CivilFromDays(days - kOleDayOfUnixEpoch);
    if (calendar.year < 100 || calendar.year > 9999) return false;
    *year = calendar.year;
    *month = calendar.month;
    *day = calendar.day;
    *hour = static_cast<int>(seconds / 3600);
    *minute = static_cast<int>(seconds / 60 % 60);
    *second = static_cast<int>(seconds % 60);
    return true;
}

CalendarDate LocalToday() { return DateOf(BrokenDownNow(true)); }
ClockTime LocalNow() { return TimeOf(BrokenDownNow(true)); }
CalendarDate UtcToday() { return DateOf(BrokenDownNow(false)); }
ClockTime UtcNow() { return TimeOf(BrokenDownNow(false)); }

}  // namespace orvanta::platform
