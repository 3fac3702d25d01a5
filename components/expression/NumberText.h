// Numbers as texts and texts as numbers: the text form of a number with a number of decimals,
// rounding half away from zero, and reading the number a text starts with.
#pragma once

#include <string>
#include <string_view>

namespace orvanta::expression {

// Appends x rounded half away from zero to `decimals` decimals (0 to 20), trailing zeros and
// a trailing point removed, '.' as the point, never "-0". The rounding works on the shortest
// decimal form of x, so 1.005 with 2 decimals is 1.01.
void AppendNumberText(double x, int decimals, std::string* out);

// x rounded half away from zero to `decimals` decimals; negative decimals round to tens,
// hundreds and so on.
double RoundHalfAway(double x, int decimals);

// The number a text starts with, as atof reads it (white space, sign, digits, point, exponent);
// 0 when it does not start with a number.
double ReadLeadingNumber(std::string_view text);

}  // namespace orvanta::expression
