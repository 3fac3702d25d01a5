// Real numbers as OLE variant text: printf's %G form at the type's precision, localized.
#include "platform/OleVariant.h"

#include <charconv>
#include <cmath>

namespace orvanta::platform {

namespace {

// What the Windows run-time prints for the values that have no digits.
std::string NonFiniteText(double value) {
    if (std::isnan(value)) return "-1.#IND";
    return value < 0 ? "-1.#INF" : "1.#INF";
}

// "%.<digits>G": shortest of fixed and exponent form, trailing zeros dropped, an exponent of at
// least two digits with its sign ("1E+10", "1.5E-05").
std::string GeneralText(double value, int digits) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    std::string text(buffer, result.ptr);
    for (char& c : text)
        if (c == 'e') c = 'E';
    return text;
}

// OLE never gives a negative zero: "-0" (or what rounds to it) becomes "0".
bool IsNegativeZeroText(const std::string& text) {
    if (text.empty() || text[0] != '-') return false;
    return text.find_first_not_of("0.", 1) == std::string::npos;
}

std::string RealText(double value, int digits, const Locale& locale) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    std::string text = GeneralText(value, digits);
    if (IsNegativeZeroText(text)) return "0";
    for (char& c : text)
        if (c == '.') c = locale.decimalSeparator;
    return text;
}

}  // namespace

std::string VarTextFromR4(float value, const Locale& locale) { return RealText(value, 7, locale); }

std::string VarTextFromR8(double value, const Locale& locale) { return RealText(value, 15, locale); }

}  // namespace orvanta::platform
