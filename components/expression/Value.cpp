#include "Value.h"

#include "Calendar.h"
#include "NumberText.h"

#include <cmath>
#include <cstdio>

namespace orvanta::expression {

namespace {

void AppendTwoDigits(int n, std::string* out) {
    *out += static_cast<char>('0' + n / 10);
    *out += static_cast<char>('0' + n % 10);
}

// hh:mm, with :ss when the seconds are not zero.
void AppendClock(int seconds, std::string* out) {
    AppendTwoDigits(seconds / 3600, out);
    *out += ':';
    AppendTwoDigits(seconds / 60 % 60, out);
    if (seconds % 60 == 0) return;
    *out += ':';
    AppendTwoDigits(seconds % 60, out);
}

void AppendDate(const Value& value, int decimals, std::string* out) {
    DayParts parts;
    if (!DayPartsOf(value.number, &parts)) {
        AppendNumberText(value.number, decimals, out);
        return;
    }
    char text[16];
    std::snprintf(text, sizeof(text), "%04d-%02d-%02d", parts.year, parts.month, parts.day);
    *out += text;
    const int seconds = SecondsOfDay(value);
    if (seconds == 0) return;
    *out += ' ';
    AppendClock(seconds, out);
}

}  // namespace

Value MakeNumber(double x, ValueKind kind) {
    if (!std::isfinite(x)) return {};
    return {kind, x, {}};
}

Value MakeText(std::string_view text) { return {ValueKind::Text, 0, text}; }

Value MakeBoolean(bool truth) { return {ValueKind::Number, truth ? 1.0 : 0.0, {}}; }

bool IsTrue(const Value& value) {
    switch (value.kind) {
        case ValueKind::Empty:
            return false;
        case ValueKind::Text:
            return !value.text.empty();
        default:
            return value.number != 0;
    }
}

double NumberOf(const Value& value) {
    switch (value.kind) {
        case ValueKind::Empty:
            return 0;
        case ValueKind::Text:
            return ReadLeadingNumber(value.text);
        default:
            return value.number;
    }
}

void AppendTextForm(const Value& value, int decimals, std::string* out) {
    switch (value.kind) {
        case ValueKind::Empty:
            return;
        case ValueKind::Text:
            out->append(value.text);
            return;
        case ValueKind::Number:
            AppendNumberText(value.number, decimals, out);
            return;
        case ValueKind::Date:
            AppendDate(value, decimals, out);
            return;
        case ValueKind::Time:
            AppendClock(SecondsOfDay(value), out);
            return;
    }
}

}  // namespace orvanta::expression
