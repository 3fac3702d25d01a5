// The depth conversion of a BMP file (step 5 of image import): to 24 bits (or 16 or 32), or
// to a palette depth of 8 bits or fewer, 100 source rows at a time.
#pragma once

#include <string>

class IProgressIndicator;

namespace orvanta::image {

inline constexpr int kRowsPerBlock = 100;

// Reads the BMP at from and writes it at bits per pixel to to. Source pixels of 1, 4 and 8 bits
// go through their palette, 16 bits are 5-5-5 (5-6-5 when the file's masks say so), 24 bits
// blue-green-red, 32 bits the low three bytes. To 16 bits pixels are packed 5-6-5. To 8 bits or
// fewer the palette starts all white and takes each new colour in order of first appearance;
// more colours than the depth holds fail. With progress, its range is the source file's length
// and it follows the reading. False on any failure.
bool ConvertBmpDepth(const std::string& from, const std::string& to, int bits, IProgressIndicator* progress);

}  // namespace orvanta::image
