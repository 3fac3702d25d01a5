// Palm OS bitmap files: reading versions 0 to 3 (colour tables, transparency, every
// compression, 1 to 16 bits per pixel) and writing what the handheld shows.
#pragma once

#include "PalmImage.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvanta::bitmap {

// Decodes the first rendition of the bitmap in bytes (a leading dummy header is passed over).
// False with a message naming the first damage found.
bool DecodePalmBitmap(const std::vector<uint8_t>& bytes, PalmImage* image, std::string* error);

// Encodes the image: version 1 for 1 to 8 bits (a colour table only when the image's table is
// not the system palette), version 2 with 5-6-5 direct colour for 16 bits; compressed when that
// is smaller (version 1 knows scanline compression only; version 2 takes the smallest of three).
std::vector<uint8_t> EncodePalmBitmap(const PalmImage& image);

// True when the table is empty or repeats the start of the depth's system palette.
bool IsSystemPalette(const std::vector<Colour>& table, int depth);

}  // namespace orvanta::bitmap
