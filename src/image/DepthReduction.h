// Step 6 of image import: the 24-bit intermediate reduced to the depth of the field's image
// format, as a BMP descriptor ready to be written for the converter.
#pragma once

#include "platform/Dib.h"

#include <cstdint>

namespace orvanta::image {

// Luminance 0.299 R + 0.587 G + 0.114 B, truncated.
int Luminance(platform::DibColour c);
// The 4-bit stored index: 15 minus the number of the thresholds 8, 25, ... 246 (steps of 17)
// that the luminance reaches, so that 0 is white as on the handheld.
uint32_t GreyIndex16(platform::DibColour c);

// 4 bits: 16 grey levels as GreyIndex16, with the palette grey 17 x i for entry i.
platform::Dib ReduceToGrey16(const platform::Dib& rgb);
// 8 bits: the popularity palette of 4-4-4 bins (most pixels first, lowest key on a tie); other
// bins take the nearest palette entry by the sum of channel differences.
platform::Dib ReduceToPopularPalette(const platform::Dib& rgb);
// 16 bits: each pixel packed 5-6-5, low byte first.
platform::Dib ReduceTo565(const platform::Dib& rgb);
// 1 bit: luminance of 128 or more is white (index 0), the rest black, palette white, black.
platform::Dib ReduceToMono(const platform::Dib& rgb);
// 2 bits (written as a 4-bit BMP with four palette entries): luminance / 64 gives the level
// 0 to 3; the index is 3 minus it, through the handheld's greys white, 170, 85, black.
platform::Dib ReduceToGrey4(const platform::Dib& rgb);

// The reduction for a field's bits per pixel (1, 2, 4, 8 or 16; any other is 8).
platform::Dib ReduceToDepth(const platform::Dib& rgb, int bits);

}  // namespace orvanta::image
