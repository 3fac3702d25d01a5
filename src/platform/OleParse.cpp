// Text to numbers, Booleans and dates as the OLE variant conversions (VarI2FromStr and the
// others) read it under a locale, with their statuses.
#include "platform/CodePage.h"
#include "platform/OleDate.h"
#include "platform/OleVariant.h"
#include "platform/TextScan.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace orvanta::platform {

namespace {

// Copies a run of digits (with the thousands separator among them when allowed) to out.
size_t CopyDigits(std::string_view text, size_t i, char thousands, std::string* out) {
    const size_t start = out->size();
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i]))
            out->push_back(text[i]);
        else if (thousands == 0 || text[i] != thousands || out->size() == start)
            break;
    }
    return i;
}

// The number in C form ("-1234.5e3"), or false when the text is no number of the locale.
bool NormalizedNumber(std::string_view text, const Locale& locale, std::string* out) {
    text = Trimmed(text);
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) out->push_back(text[i++]);
    const size_t signLength = out->size();
    i = CopyDigits(text, i, locale.thousandSeparator, out);
    size_t digits = out->size() - signLength;
    if (i < text.size() && text[i] == locale.decimalSeparator) {
        out->push_back('.');
        const size_t before = out->size();
        i = CopyDigits(text, i + 1, 0, out);
        digits += out->size() - before;
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        out->push_back('e');
        if (++i < text.size() && (text[i] == '+' || text[i] == '-')) out->push_back(text[i++]);
        const size_t before = out->size();
        i = CopyDigits(text, i, 0, out);
        if (out->size() == before) return false;
    }
    return i == text.size();
}

// A whole number of at most 15 digits with an optional sign and nothing else, read exactly;
// false for any other text (which the general reading then takes).
bool PlainWhole(std::string_view text, double* out) {
    text = Trimmed(text);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    if (text.empty() || text.size() > 15) return false;
    int64_t value = 0;
    for (char c : text) {
        if (!IsDigit(c)) return false;
        value = value * 10 + (c - '0');
    }
    *out = negative ? -static_cast<double>(value) : static_cast<double>(value);
    return true;
}

int32_t RealFromText(std::string_view text, const Locale& locale, double* out) {
    if (PlainWhole(text, out)) return 0;
    std::string number;
    if (!NormalizedNumber(text, locale, &number)) return kDispTypeMismatch;
    const char* first = number.data() + (number[0] == '+' ? 1 : 0);
    const std::from_chars_result read = std::from_chars(first, number.data() + number.size(), *out);
    if (read.ec == std::errc::result_out_of_range) {
        // Too large for a double (or too small: then it is 0).
        *out = std::strtod(number.c_str(), nullptr);
        return std::isfinite(*out) ? 0 : kDispOverflow;
    }
    return read.ec == std::errc() ? 0 : kDispTypeMismatch;
}

// Rounds half to even, as OLE does, and checks the range of the integer type.
int32_t WholeFromText(std::string_view text, const Locale& locale, double low, double high, double* out) {
    double real = 0;
    if (int32_t status = RealFromText(text, locale, &real); status != 0) return status;
    real = std::nearbyint(real);
    if (real < low || real > high) return kDispOverflow;
    *out = real;
    return 0;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerWindows1252(a[i]) != LowerWindows1252(b[i])) return false;
    return true;
}

bool DateOnly(std::string_view text, const Locale& locale, double* out) {
    int year = 0, month = 0, day = 0;
    return ParseDate(std::string(text), locale, &year, &month, &day) &&
           OleDateFromParts(year, month, day, 0, 0, 0, out);
}

bool TimeOnly(std::string_view text, const Locale& locale, double* out) {
    int hour = 0, minute = 0, second = 0;
    if (!ParseTime(std::string(text), locale, &hour, &minute, &second)) return false;
    *out = (hour * 3600 + minute * 60 + second) / 86400.0;
    return true;
}

}  // namespace

std::string VarTextFromI4(int32_t value) { return std::to_string(value); }

std::string VarTextFromBool(bool value) { return value ? "-1" : "0"; }

int32_t VarI2FromText(std::string_view text, int16_t* out, const Locale& locale) {
    double whole = 0;
    int32_t status = WholeFromText(text, locale, INT16_MIN, INT16_MAX, &whole);
    if (status == 0) *out = static_cast<int16_t>(whole);
    return status;
}

int32_t VarI4FromText(std::string_view text, int32_t* out, const Locale& locale) {
    double whole = 0;
    int32_t status = WholeFromText(text, locale, INT32_MIN, INT32_MAX, &whole);
    if (status == 0) *out = static_cast<int32_t>(whole);
    return status;
}

int32_t VarR4FromText(std::string_view text, float* out, const Locale& locale) {
    double real = 0;
    int32_t status = RealFromText(text, locale, &real);
    if (status != 0) return status;
    if (std::fabs(real) > FLT_MAX) return kDispOverflow;
    *out = static_cast<float>(real);
    return 0;
}

int32_t VarBoolFromText(std::string_view text, bool* out, const Locale& locale) {
    const std::string_view word = Trimmed(text);
    if (EqualsIgnoringCase(word, locale.trueWord) || EqualsIgnoringCase(word, locale.falseWord)) {
        *out = EqualsIgnoringCase(word, locale.trueWord);
        return 0;
    }
    double real = 0;
    int32_t status = RealFromText(text, locale, &real);
    if (status == 0) *out = real != 0;
    return status;
}

int32_t VarDateFromText(std::string_view text, double* out, const Locale& locale) {
    text = Trimmed(text);
    // Every date and time of the locale's forms starts with a digit.
    if (text.empty() || !IsDigit(text.front())) return kDispTypeMismatch;
    if (DateOnly(text, locale, out) || TimeOnly(text, locale, out)) return 0;
    for (size_t space = text.find(' '); space != std::string_view::npos; space = text.find(' ', space + 1)) {
        double date = 0, time = 0;
        if (DateOnly(text.substr(0, space), locale, &date) &&
            TimeOnly(text.substr(space + 1), locale, &time)) {
            *out = date + (date >= 0 ? time : -time);
            return 0;
        }
    }
    return kDispTypeMismatch;
}

}  // namespace orvanta::platform
