// Reads dates and times typed in a locale's short date and time forms.
#include "platform/OleDate.h"
#include "platform/Picture.h"
#include "platform/TextScan.h"

#include <array>
#include <string_view>

namespace orvanta::platform {

namespace {

std::string_view DigitRun(std::string_view text, size_t* i) {
    const size_t start = *i;
    while (*i < text.size() && IsDigit(text[*i])) ++*i;
    return text.substr(start, *i - start);
}

// Callers keep runs to four digits, so the value always fits.
int ValueOf(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

// The order of day, month and year in a short date picture, as "dMy"; parts the picture
// lacks follow in US order.
std::string DateOrder(const std::string& picture) {
    std::string order;
    for (const PicturePiece& piece : SplitPicture(picture, kDatePictureCodes)) {
        if (piece.code == 0 || order.find(piece.code) != std::string::npos) continue;
        if (piece.code == 'd' && piece.count > 2) continue;  // the day's name, not its number
        order += piece.code;
    }
    for (char code : {'M', 'd', 'y'})
        if (order.find(code) == std::string::npos) order += code;
    return order;
}

// DateOrder of the picture last asked for, kept: an import reads many dates of one picture.
const std::string& CachedDateOrder(const std::string& picture) {
    thread_local std::string lastPicture, lastOrder;
    if (lastOrder.empty() || picture != lastPicture) {
        lastPicture = picture;
        lastOrder = DateOrder(picture);
    }
    return lastOrder;
}

// Between two numbers of a date: blanks and at most one of / . -
bool SkipDateSeparator(std::string_view text, size_t* i) {
    const size_t start = *i;
    while (*i < text.size() && IsBlank(text[*i])) ++*i;
    if (*i < text.size() && std::string_view("/.-").find(text[*i]) != std::string_view::npos) ++*i;
    while (*i < text.size() && IsBlank(text[*i])) ++*i;
    return *i > start;
}

// The three numbers of a date; false when anything but separators lies around them.
bool SplitDateNumbers(std::string_view text, std::array<std::string_view, 3>* numbers) {
    size_t i = 0;
    for (size_t n = 0; n < numbers->size(); ++n) {
        if (n > 0 && !SkipDateSeparator(text, &i)) return false;
        (*numbers)[n] = DigitRun(text, &i);
        if ((*numbers)[n].empty()) return false;
    }
    return i == text.size();
}

// Windows reads two-digit years 00-29 as 2000-2029 and 30-99 as 1930-1999.
bool ReadYear(std::string_view digits, int* year) {
    if (digits.size() != 2 && digits.size() != 4) return false;
    const int value = ValueOf(digits);
    *year = digits.size() == 4 ? value : (value < 30 ? 2000 + value : 1900 + value);
    return true;
}

bool ReadDayOrMonth(std::string_view digits, int* value) {
    if (digits.size() > 2) return false;
    *value = ValueOf(digits);
    return true;
}

enum class Designator { None, Am, Pm };

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

// Takes the locale's AM or PM word off either end of the text.
Designator TakeDesignator(std::string_view* text, const Locale& locale) {
    const std::pair<std::string_view, Designator> words[] = {{locale.am, Designator::Am},
                                                             {locale.pm, Designator::Pm}};
    for (const auto& [word, designator] : words) {
        if (word.empty() || word.size() > text->size()) continue;
        if (EqualsIgnoringCase(text->substr(text->size() - word.size()), word)) {
            *text = Trimmed(text->substr(0, text->size() - word.size()));
            return designator;
        }
        if (EqualsIgnoringCase(text->substr(0, word.size()), word)) {
            *text = Trimmed(text->substr(word.size()));
            return designator;
        }
    }
    return Designator::None;
}

// The locale's own time separator: the first character its time picture puts between codes.
char TimeSeparator(const std::string& picture) {
    for (const PicturePiece& piece : SplitPicture(picture, kTimePictureCodes)) {
        if (piece.code != 0 || piece.quoted) continue;
        for (char c : piece.text)
            if (!IsBlank(c)) return c;
    }
    return ':';
}

// TimeSeparator of the picture last asked for, kept like the date order.
char CachedTimeSeparator(const std::string& picture) {
    thread_local std::string lastPicture;
    thread_local char lastSeparator = 0;
    if (lastSeparator == 0 || picture != lastPicture) {
        lastPicture = picture;
        lastSeparator = TimeSeparator(picture);
    }
    return lastSeparator;
}

// Hour (1-2 digits), minutes and optional seconds (2 digits each).
bool SplitTimeNumbers(std::string_view text, char separator, std::array<int, 3>* values) {
    size_t i = 0;
    std::string_view hour = DigitRun(text, &i);
    if (hour.empty() || hour.size() > 2) return false;
    (*values)[0] = ValueOf(hour);
    size_t n = 1;
    for (; n < values->size() && i < text.size(); ++n) {
        if (text[i] != ':' && text[i] != separator) return false;
        ++i;
        std::string_view digits = DigitRun(text, &i);
        if (digits.size() != 2) return false;
        (*values)[n] = ValueOf(digits);
    }
    return n >= 2 && i == text.size();
}

// With AM/PM the hour is 1..12 on the 12-hour clock; without it 0..23.
bool ToDayHour(Designator designator, int* hour) {
    if (designator == Designator::None) return true;
    if (*hour < 1 || *hour > 12) return false;
    *hour = *hour % 12 + (designator == Designator::Pm ? 12 : 0);
    return true;
}

}  // namespace

bool ParseDate(const std::string& text, const Locale& locale, int* year, int* month, int* day) {
    std::array<std::string_view, 3> numbers;
    if (!SplitDateNumbers(Trimmed(text), &numbers)) return false;
    const std::string& order = CachedDateOrder(locale.shortDatePattern);
    int parts[3] = {0, 0, 0};  // year, month, day
    for (size_t n = 0; n < numbers.size(); ++n) {
        const bool read = order[n] == 'y'   ? ReadYear(numbers[n], &parts[0])
                          : order[n] == 'M' ? ReadDayOrMonth(numbers[n], &parts[1])
                                            : ReadDayOrMonth(numbers[n], &parts[2]);
        if (!read) return false;
    }
    if (!IsValidDate(parts[0], parts[1], parts[2])) return false;
    *year = parts[0];
    *month = parts[1];
    *day = parts[2];
    return true;
}

bool ParseTime(const std::string& text, const Locale& locale, int* hour, int* minute, int* second) {
    std::string_view rest = Trimmed(text);
    const Designator designator = TakeDesignator(&rest, locale);
    std::array<int, 3> values = {0, 0, 0};
    if (!SplitTimeNumbers(rest, CachedTimeSeparator(locale.timePattern), &values)) return false;
    if (!ToDayHour(designator, &values[0]) || !IsValidTime(values[0], values[1], values[2])) return false;
    *hour = values[0];
    *minute = values[1];
    *second = values[2];
    return true;
}

}  // namespace orvanta::platform
