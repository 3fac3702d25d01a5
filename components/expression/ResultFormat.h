// Puts an expression's value into the form the field's result format asks for: a number, a
// length of time in a unit, a date, a time or a text.
#pragma once

#include "Value.h"
#include "components/expression/IExpressionEvaluator.h"

namespace orvanta::expression {

// The result formats of an Advanced Expression field.
enum ResultFormat {
    kFormatFloating = 0,
    kFormatDatePlusDays,
    kFormatDatePlusMonths,
    kFormatDatePlusYears,
    kFormatDays,
    kFormatMonths,
    kFormatYears,
    kFormatTime,
    kFormatHours,
    kFormatMinutes,
    kFormatSeconds,
    kFormatHoursMinutesSeconds,
    kFormatHoursMinutes,
    kFormatText,
};

// Fills the result's kind, number and text (not its colour); false for an unknown format.
bool ApplyResultFormat(const Value& value, int format, int decimals, Result* result);

}  // namespace orvanta::expression
