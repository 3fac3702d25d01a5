// The small conversions the JSON export shares: Windows-1252 text to UTF-8 strings, dates and
// times as ISO text, floats in their shortest form, bytes as base64 or hexadecimal.
#pragma once

#include "cli/JsonExport.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::cli {

// A Tabulon text (Windows-1252) as a JSON string.
Json JsonText(std::string_view windows1252);
// A one-character code such as a compare operator; "" for the NUL character.
Json JsonChar(char c);
// "YYYY-MM-DD" and "HH:MM:SS", zero-padded.
std::string IsoDate(int year, int month, int day);
std::string IsoTime(int hour, int minute, int second);
// A float as the double with the same shortest decimal form (1.1f gives 1.1, not 1.100000023841858).
double JsonFloat(float value);
std::string Base64(const std::vector<uint8_t>& bytes);
// Lower-case hexadecimal, two digits a byte.
std::string Hex(std::string_view bytes);

}  // namespace orvanta::cli
