// The OLE variant conversions between text and numbers, Booleans and dates under a locale:
// text to value with the OLE statuses, and numbers and Booleans back to text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Locale.h"

namespace orvanta::platform {

// A 4-byte real with up to 7 significant digits: "1.5", "0.1", "1234567", "1E+07", "1E-05".
// Exponent form is used for exponents below -4 and from 7 up; -0 gives "0".
std::string VarTextFromR4(float value, const Locale& locale = UserLocale());
// An 8-byte real the same way with up to 15 significant digits (exponent form from 15 up).
std::string VarTextFromR8(double value, const Locale& locale = UserLocale());
// Whole numbers in decimal; a Boolean as VarBstrFromBool without flags gives it: "-1" or "0".
std::string VarTextFromI4(int32_t value);
std::string VarTextFromBool(bool value);

// The statuses of the text conversions: 0, or the text is no such value, or it is out of range.
inline constexpr int32_t kDispTypeMismatch = static_cast<int32_t>(0x80020005u);  // DISP_E_TYPEMISMATCH
inline constexpr int32_t kDispOverflow = static_cast<int32_t>(0x8002000Au);      // DISP_E_OVERFLOW

// A number as the locale writes it: blanks around it, a sign, digits with the thousands
// separator among them, the decimal separator and an exponent. Integers round half to even
// ("2.5" is 2) and overflow outside their range; a 4-byte real overflows beyond its range.
int32_t VarI2FromText(std::string_view text, int16_t* out, const Locale& locale = UserLocale());
int32_t VarI4FromText(std::string_view text, int32_t* out, const Locale& locale = UserLocale());
int32_t VarR4FromText(std::string_view text, float* out, const Locale& locale = UserLocale());
// The locale's Boolean words in any letter case, or a number (true when not zero).
int32_t VarBoolFromText(std::string_view text, bool* out, const Locale& locale = UserLocale());
// A date in the locale's short date order, a time of day, or a date followed by a time, as an
// OLE date number (a time alone is the fraction of day 0).
int32_t VarDateFromText(std::string_view text, double* out, const Locale& locale = UserLocale());

}  // namespace orvanta::platform
