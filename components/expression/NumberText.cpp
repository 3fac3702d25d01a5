#include "NumberText.h"

#include "TextCase.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace orvanta::expression {

namespace {

constexpr int kMaxDecimals = 20;

// The decimal digits of a number without its point: "12.345" is digits "12345", point 2.
struct Digits {
    char digits[400];
    int count = 0;
    int point = 0;
};

// The shortest digits of |x| rounded half away from zero at `decimals` decimals.
void RoundedDigits(double x, int decimals, Digits* out) {
    char raw[400];
    const auto result = std::to_chars(raw, raw + sizeof(raw), std::fabs(x), std::chars_format::fixed);
    out->count = 0;
    out->point = -1;
    for (const char* p = raw; p < result.ptr; ++p) {
        if (*p == '.')
            out->point = out->count;
        else
            out->digits[out->count++] = *p;
    }
    if (out->point < 0) out->point = out->count;
    const int keep = out->point + decimals;
    if (keep >= out->count) return;
    const bool up = out->digits[keep] >= '5';
    out->count = keep;
    if (!up) return;
    int i = keep - 1;
    for (; i >= 0 && out->digits[i] == '9'; --i) out->digits[i] = '0';
    if (i >= 0) {
        ++out->digits[i];
    } else {
        std::copy_backward(out->digits, out->digits + out->count, out->digits + out->count + 1);
        out->digits[0] = '1';
        ++out->count;
        ++out->point;
    }
}

}  // namespace

void AppendNumberText(double x, int decimals, std::string* out) {
    if (!std::isfinite(x)) return;
    Digits d;
    RoundedDigits(x, std::clamp(decimals, 0, kMaxDecimals), &d);
    int last = d.count;  // drop trailing zeros of the fraction
    while (last > d.point && d.digits[last - 1] == '0') --last;
    int first = 0;  // and leading zeros of the whole part, keeping one
    while (first < d.point - 1 && d.digits[first] == '0') ++first;
    const bool zero = std::all_of(d.digits + first, d.digits + last, [](char c) { return c == '0'; });
    if (x < 0 && !zero) *out += '-';
    if (d.point == 0) *out += '0';
    out->append(d.digits + first, d.digits + d.point);
    if (last > d.point) {
        *out += '.';
        out->append(d.digits + d.point, d.digits + last);
    }
}

double RoundHalfAway(double x, int decimals) {
    if (!std::isfinite(x)) return x;
    if (decimals < 0) {
        const double scale = std::pow(10.0, std::min(-decimals, 308));
        return RoundHalfAway(x / scale, 0) * scale;
    }
    if (decimals > kMaxDecimals) return x;
    std::string text;
    AppendNumberText(x, decimals, &text);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

double ReadLeadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const bool startsNumber =
        i < text.size() &&
        (IsDigit(text[i]) || (text[i] == '.' && i + 1 < text.size() && IsDigit(text[i + 1])));
    if (!startsNumber) return 0;
    double value = 0;
    const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value);
    if (result.ec != std::errc()) return 0;
    return negative ? -value : value;
}

}  // namespace orvanta::expression
