// Text helpers of the object model: case-insensitive comparison in the Windows-1252 code
// page that every Tabulon text uses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The lower-case form of a Windows-1252 character (A-Z, the accented capitals, Š Œ Ž Ÿ).
char FoldCase(char c);
// -1, 0 or 1: the texts compared ignoring case, byte by byte after folding.
int CompareNoCase(std::string_view a, std::string_view b);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWith(std::string_view text, std::string_view prefix, bool ignoreCase);
bool Contains(std::string_view text, std::string_view part, bool ignoreCase);
