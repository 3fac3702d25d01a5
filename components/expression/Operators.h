// The operators of the language on values: arithmetic with its date and time rules, joining
// texts with '+', comparisons and logic.
#pragma once

#include "Program.h"
#include "TextArena.h"
#include "Value.h"

namespace orvanta::expression {

// A binary operator (Add .. Xor). Joined texts are made in `texts`, numbers written with
// `decimals` decimals.
Value ApplyBinary(Op op, const Value& left, const Value& right, int decimals, TextArena* texts);

// Negate, Plus or Not.
Value ApplyUnary(Op op, const Value& operand);

}  // namespace orvanta::expression
