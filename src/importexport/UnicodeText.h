// Unicode text files at the edges of import and export: a file to import is transcoded through
// iconv into a Windows-1252 copy that the engine reads; an exported file is rewritten as UTF-8.
#pragma once

#include "importexport/TextEncoding.h"

#include <cstdint>
#include <string>

// What transcoding a file for import did.
struct TranscodeReport {
    bool transcoded = false;  // the engine is to read a temporary copy, which the caller removes
    int64_t replaced = 0;     // characters Windows-1252 cannot hold (and malformed ones), read as "?"
    int64_t firstLine = 0;    // the line, from 1, that holds the first of them
};

// With Ansi, or Auto on a file that has no Unicode signature and is not valid UTF-8, nothing is
// done and the engine reads the file as it is. Otherwise the file's text (its signature left
// out) is written in Windows-1252 to a new file in the temporary folder, and *readPath names it.
// A file that cannot be opened is left to the caller to report: 0, nothing done. 0, or -1 when
// the copy could not be written.
int32_t TranscodeForImport(const std::string& path, TextEncoding encoding, std::string* readPath,
                           TranscodeReport* report);

// The warning for characters read as "?"; empty when there were none.
std::string ReplacedCharactersMessage(const TranscodeReport& report);

// Rewrites an exported Windows-1252 file as UTF-8, with the signature for Utf8Signed, through a
// temporary file beside it that replaces it. Any other encoding leaves it as it is. 0, or -1.
int32_t TranscodeExportedFile(const std::string& path, TextEncoding encoding);
