// The encodings a text file for import or export may be in: the program's own Windows-1252
// ("ansi", every default), or Unicode, transcoded at the edge so that the engine reads and writes
// Windows-1252 as always.
#pragma once

#include <cstdint>
#include <string>

enum class TextEncoding : int32_t {
    Ansi = 0,        // Windows-1252 as it is; a file with a Unicode signature is refused
    Utf8 = 1,        // import: UTF-8, with or without signature; export: UTF-8 without one
    Utf16 = 2,       // import: UTF-16, the byte order from the signature, else from the text
    Auto = 3,        // import: the signature, else UTF-8 when the file is valid UTF-8, else ansi
    Utf8Signed = 4,  // export: UTF-8 beginning with the signature EF BB BF
};

// "ansi", "utf-8", "utf-16", "auto", "utf-8-bom": the words of the command line and of saved
// specifications.
const char* TextEncodingName(TextEncoding encoding);
// False for any other word (compared without case).
bool TextEncodingFromName(const std::string& name, TextEncoding* encoding);
