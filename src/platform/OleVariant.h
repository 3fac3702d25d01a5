// Numbers as text the way OLE variant conversions (VarBstrFromR4, VarBstrFromR8) give them:
// the significant digits of the real type, no trailing zeros, and the locale's decimal separator.
#pragma once

#include <string>

#include "platform/Locale.h"

namespace orvanta::platform {

// A 4-byte real with up to 7 significant digits: "1.5", "0.1", "1234567", "1E+07", "1E-05".
// Exponent form is used for exponents below -4 and from 7 up; -0 gives "0".
std::string VarTextFromR4(float value, const Locale& locale = UserLocale());
// An 8-byte real the same way with up to 15 significant digits (exponent form from 15 up).
std::string VarTextFromR8(double value, const Locale& locale = UserLocale());

}  // namespace orvanta::platform
