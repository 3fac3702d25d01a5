// A value while an expression is evaluated: its kind, its number (dates and times as OLE date
// numbers) or its text, which points into the record, the program or the evaluator's texts.
#pragma once

#include "components/expression/IExpressionEvaluator.h"

#include <string>
#include <string_view>

namespace orvanta::expression {

struct Value {
    ValueKind kind = ValueKind::Empty;
    double number = 0;
    std::string_view text;
};

// A Number, Date or Time; Empty when x is not a finite number.
Value MakeNumber(double x, ValueKind kind = ValueKind::Number);
Value MakeText(std::string_view text);
Value MakeBoolean(bool truth);

// Non-zero numbers, dates and times and non-empty texts are true; Empty is false.
bool IsTrue(const Value& value);
// The number a value stands for in arithmetic: Empty 0, a text the number it starts with.
double NumberOf(const Value& value);

// Appends the text form: a text as it is, a number with at most `decimals` decimals, a date as
// yyyy-mm-dd (with hh:mm:ss when it has a time of day), a time as hh:mm:ss, Empty as nothing.
void AppendTextForm(const Value& value, int decimals, std::string* out);

}  // namespace orvanta::expression
