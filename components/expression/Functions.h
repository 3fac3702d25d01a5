// The functions that evaluate all their arguments (all but If and Sel, which choose one).
#pragma once

#include "Value.h"
#include "components/expression/IExpressionEvaluator.h"

#include <span>

namespace orvanta::expression {

// The function's result for its arguments (already counted right); Empty when an argument is
// Empty or the result is not a number (the square root of a negative number, a date out of range).
Value CallFunction(FunctionKind kind, std::span<const Value> args);

}  // namespace orvanta::expression
