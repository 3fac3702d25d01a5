// The small conversions the JSON export shares: one-character codes, dates and times as ISO
// text, floats in their shortest form, bytes as base64 or hexadecimal.
#pragma once

#include "cli/JsonWriter.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::cli {

// A one-character code such as a compare operator; "" for the NUL character.
void WriteChar(JsonWriter& out, char c);
// "YYYY-MM-DD" and "HH:MM:SS", zero-padded.
std::string IsoDate(int year, int month, int day);
std::string IsoTime(int hour, int minute, int second);
// A float as the double with the same shortest decimal form (1.1f gives 1.1, not 1.100000023841858).
double JsonFloat(float value);
std::string Base64(const std::vector<uint8_t>& bytes);
// Lower-case hexadecimal, two digits a byte.
std::string Hex(std::string_view bytes);

}  // namespace orvanta::cli
