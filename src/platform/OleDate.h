// Dates and times as COleDateTime keeps them: calendar checks, OLE date numbers, Palm time stamps,
// the clocks, and date/time text in a Locale's short date and time forms.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Locale.h"

namespace orvanta::platform {

// Palm time: unsigned seconds since 1904-01-01 00:00 = Unix time + 2082844800.
inline constexpr uint32_t kPalmEpochOffset = 2082844800u;
// Times before 1904 give 0; times after early 2040 wrap as 32-bit unsigned, as on the handheld.
uint32_t PalmFromUnix(int64_t unixSeconds);
// 0 for any value not above kPalmEpochOffset (1970 and before).
int64_t UnixFromPalm(uint32_t palmSeconds);
uint32_t PalmNow();

// COleDateTime's range: year 100..9999 and a real calendar day (Gregorian leap years).
bool IsValidDate(int year, int month, int day);
bool IsValidTime(int hour, int minute, int second);  // 0..23, 0..59, 0..59

// OLE date numbers: days since 1899-12-30 plus the fraction of the day. Before 1899-12-30 the
// day part is negative and the fraction counts away from zero (1899-12-29 06:00 is -1.25).
bool OleDateFromParts(int year, int month, int day, int hour, int minute, int second, double* out);
// False outside 100-01-01 .. 9999-12-31 (after rounding to the nearest second).
bool OleDateToParts(double date, int* year, int* month, int* day, int* hour, int* minute, int* second);

// Formats with a Windows picture (see Locale): date pictures use the date parts, time pictures
// the time parts; other characters and 'quoted' text are copied. Day and month names are English.
std::string FormatDatePicture(int year, int month, int day, const std::string& picture);
std::string FormatTimePicture(int hour, int minute, int second, const std::string& picture,
                              const Locale& locale);
// The short date and the time of day in the locale's forms; "" when the date or time is not valid.
std::string FormatDateOnly(int year, int month, int day, const Locale& locale = UserLocale());
std::string FormatTimeOnly(int hour, int minute, int second, const Locale& locale = UserLocale());

// The calendar date and time of day now, in the local time zone and on the UTC clock.
struct CalendarDate {
    int year, month, day;
};
struct ClockTime {
    int hour, minute, second;
};

// The proleptic Gregorian calendar for any year (std::chrono's): days since 1970-01-01 and back
// (a month outside 1..12 carries into the year, a day outside the month runs on into the next
// or previous), leap years, and 28..31 days for months 1..12 (0 for any other month).
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day);
CalendarDate CivilFromDays(int64_t days);
bool IsLeapYear(int64_t year);
int DaysInMonth(int year, int month);

CalendarDate LocalToday();
ClockTime LocalNow();
CalendarDate UtcToday();
ClockTime UtcNow();

// Reads a date typed in the order of the locale's short date (day, month, year as the picture
// has them), separated by / . - or spaces; 1-2 digit day and month, 2-digit years as Windows
// reads them (00-29 are 2000-2029, 30-99 1930-1999) or 4-digit years. False, and the outputs
// untouched, when the text is not such a date or the date is not valid.
bool ParseDate(const std::string& text, const Locale& locale, int* year, int* month, int* day);
// Reads H:mm or H:mm:ss (':' or the locale's own time separator) with an optional AM/PM word
// of the locale before or after it, in any case. False, outputs untouched, when not valid.
bool ParseTime(const std::string& text, const Locale& locale, int* hour, int* minute, int* second);

}  // namespace orvanta::platform
