// The image commands of orvanta-cli: a record's picture exported as BMP, a picture imported
// into a record's Image field, and Palm bitmaps converted to and from BMP files.
#pragma once

#include "cli/Commands.h"

#include <string>

namespace orvanta::cli {

// Writes the Image value of record RECORD (its position, from 1) in the slot as a BMP file.
int RunImageExport(const std::string& path, int recordNumber, int slot, const std::string& bmpPath,
                   CommandIo& io);

// Imports a picture (BMP, PNG, JPEG, ...) into that value at the field's depth and saves the
// Tabulon as the target says.
int RunImageImport(const std::string& path, int recordNumber, int slot, const std::string& picture,
                   const SaveTarget& target, CommandIo& io);

// Converts by the extensions: .pbmp (Palm bitmap) to .bmp and .bmp to .pbmp; other pictures
// (PNG, JPEG, ...) are read by the picture loader and written as .bmp or .pbmp.
int RunImageConvert(const std::string& in, const std::string& out, CommandIo& io);

}  // namespace orvanta::cli
