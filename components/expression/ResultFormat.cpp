#include "ResultFormat.h"

#include <cmath>

namespace orvanta::expression {

namespace {

constexpr double kDaysPerYear = 365.2425;

void SetNumber(double x, ValueKind kind, Result* result) {
    const bool finite = std::isfinite(x);
    result->kind = finite ? kind : ValueKind::Empty;
    result->number = finite ? x : 0;
    result->text.clear();
}

// How many of the unit a number of days makes.
double UnitsPerDay(int format) {
    switch (format) {
        case kFormatMonths:
            return 12 / kDaysPerYear;
        case kFormatYears:
            return 1 / kDaysPerYear;
        case kFormatHours:
            return 24;
        case kFormatMinutes:
            return 1440;
        case kFormatSeconds:
            return 86400;
        default:
            return 1;
    }
}

void SetText(const Value& value, int decimals, Result* result) {
    if (value.kind == ValueKind::Date || value.kind == ValueKind::Time) {
        SetNumber(value.number, value.kind, result);
        return;
    }
    result->kind = ValueKind::Text;
    result->number = 0;
    result->text.clear();
    AppendTextForm(value, decimals, &result->text);
}

}  // namespace

bool ApplyResultFormat(const Value& value, int format, int decimals, Result* result) {
    if (format < kFormatFloating || format > kFormatText) return false;
    if (format == kFormatText) {
        SetText(value, decimals, result);
        return true;
    }
    if (value.kind == ValueKind::Empty) {
        SetNumber(0, ValueKind::Empty, result);
        return true;
    }
    const double number = NumberOf(value);
    switch (format) {
        case kFormatFloating:
            SetNumber(number, ValueKind::Number, result);
            break;
        case kFormatDatePlusDays:
        case kFormatDatePlusMonths:
        case kFormatDatePlusYears:
            SetNumber(number, ValueKind::Date, result);
            break;
        case kFormatTime:
        case kFormatHoursMinutesSeconds:
        case kFormatHoursMinutes:
            SetNumber(number, ValueKind::Time, result);
            break;
        default:
            SetNumber(number * UnitsPerDay(format), ValueKind::Number, result);
            break;
    }
    return true;
}

}  // namespace orvanta::expression
