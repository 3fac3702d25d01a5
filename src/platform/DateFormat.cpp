// Date and time text in Windows pictures: the short date, the time of day, and any picture.
#include "platform/OleDate.h"
#include "platform/Picture.h"

#include <cstdio>

namespace orvanta::platform {

namespace {

std::string Number(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

// 0 = Sunday.
int DayOfWeek(int year, int month, int day) {
    static constexpr int kMonthOffset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) --year;
    return (year + year / 4 - year / 100 + year / 400 + kMonthOffset[month - 1] + day) % 7;
}

// The locale record carries no day or month names, so the names are English.
std::string DayName(int year, int month, int day, bool abbreviated) {
    static constexpr const char* kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                             "Thursday", "Friday", "Saturday"};
    if (!IsValidDate(year, month, day)) return "";
    std::string name = kNames[DayOfWeek(year, month, day)];
    return abbreviated ? name.substr(0, 3) : name;
}

std::string MonthName(int month, bool abbreviated) {
    static constexpr const char* kNames[] = {"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};
    if (month < 1 || month > 12) return "";
    std::string name = kNames[month - 1];
    return abbreviated ? name.substr(0, 3) : name;
}

std::string DateCode(const PicturePiece& piece, int year, int month, int day) {
    switch (piece.code) {
        case 'd':
            if (piece.count <= 2) return Number(day, piece.count);
            return DayName(year, month, day, piece.count == 3);
        case 'M':
            if (piece.count <= 2) return Number(month, piece.count);
            return MonthName(month, piece.count == 3);
        default:  // 'y': the last digit, the last two digits, or the whole year
            if (piece.count == 1) return Number(year % 10, 1);
            if (piece.count == 2) return Number(year % 100, 2);
            return Number(year, 4);
    }
}

std::string TimeCode(const PicturePiece& piece, int hour, int minute, int second, const Locale& locale) {
    const int width = piece.count >= 2 ? 2 : 1;
    const std::string& designator = hour < 12 ? locale.am : locale.pm;
    switch (piece.code) {
        case 'h':
            return Number(hour % 12 == 0 ? 12 : hour % 12, width);
        case 'H':
            return Number(hour, width);
        case 'm':
            return Number(minute, width);
        case 's':
            return Number(second, width);
        default:  // 't': the first letter of AM/PM, or all of it
            return piece.count == 1 ? designator.substr(0, 1) : designator;
    }
}

}  // namespace

std::string FormatDatePicture(int year, int month, int day, const std::string& picture) {
    std::string text;
    for (const PicturePiece& piece : SplitPicture(picture, kDatePictureCodes))
        text += piece.code ? DateCode(piece, year, month, day) : piece.text;
    return text;
}

std::string FormatTimePicture(int hour, int minute, int second, const std::string& picture,
                              const Locale& locale) {
    std::string text;
    for (const PicturePiece& piece : SplitPicture(picture, kTimePictureCodes))
        text += piece.code ? TimeCode(piece, hour, minute, second, locale) : piece.text;
    return text;
}

std::string FormatDateOnly(int year, int month, int day, const Locale& locale) {
    if (!IsValidDate(year, month, day)) return "";
    return FormatDatePicture(year, month, day, locale.shortDatePattern);
}

std::string FormatTimeOnly(int hour, int minute, int second, const Locale& locale) {
    if (!IsValidTime(hour, minute, second)) return "";
    return FormatTimePicture(hour, minute, second, locale.timePattern, locale);
}

}  // namespace orvanta::platform
