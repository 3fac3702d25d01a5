// Letters, white space and letter case in Windows-1252, the code page of every expression text:
// what reading names and comparing texts without regard to case need.
#pragma once

#include <string_view>

namespace orvanta::expression {

bool IsSpace(char c);
bool IsDigit(char c);
// ASCII letters and the letters of Windows-1252 (accented Latin letters, Š, Œ, Ž, Ÿ ...).
bool IsLetter(char c);
// A character that can continue a word: a letter, a digit or an underscore.
bool IsWordChar(char c);

// The lower-case form of a letter; other characters unchanged.
unsigned char FoldCase(char c);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
// Negative, zero or positive, comparing the lower-case forms byte by byte.
int CompareIgnoreCase(std::string_view a, std::string_view b);

}  // namespace orvanta::expression
