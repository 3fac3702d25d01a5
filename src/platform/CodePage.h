// Windows-1252, the code page of every Tabulon text, to and from UTF-8 for the edges that
// speak UTF-8 (terminal, JSON). Bytes Windows leaves unmapped travel as the C1 controls.
#pragma once

#include <string>
#include <string_view>

namespace orvanta::platform {

// Every byte has a character: 0x80 is U+20AC, 0xE9 is U+00E9, and the five bytes Windows-1252
// leaves unmapped (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+0081 ... U+009D, as Windows does.
std::string Utf8FromWindows1252(std::string_view text);

// The reverse. True when every character has a Windows-1252 byte; otherwise false, and *out
// holds '?' for each character without one and for each byte of malformed UTF-8.
bool Windows1252FromUtf8(std::string_view text, std::string* out);

// The lower-case form of a Windows-1252 letter: A-Z, the accented capitals 0xC0-0xDE (but the
// multiplication sign 0xD7), and Š, Œ, Ž, Ÿ; every other byte as it is. The one case folding
// of the program: sorting, filters, conditions and expression names all compare through it.
unsigned char LowerWindows1252(char c);

}  // namespace orvanta::platform
