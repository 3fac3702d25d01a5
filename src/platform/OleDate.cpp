#include "platform/OleDate.h"

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

int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CalendarDate CivilFromDays(int64_t days) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int64_t day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const int64_t month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    const int64_t year = yearOfEra + era * 400 + (month <= 2);
    return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

bool IsLeapYear(int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
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
