// Between Palm bitmaps and BMP files: which Palm depth and colours a BMP becomes, and the
// BMP that shows a Palm bitmap.
#pragma once

#include "PalmImage.h"
#include "platform/Dib.h"

namespace orvanta::bitmap {

// The Palm bitmap for a BMP. Palette BMPs keep their depth (a 4-bit BMP with at most four
// colours becomes 2 bits, which BMP lacks) and their indexes, with a colour table unless every
// colour is the system palette's, in which case the indexes are mapped to it. A 4-bit BMP whose
// palette is the grey ramp 17 x i that image import writes holds the handheld's grey indexes
// (0 white) as they stand. 16, 24 and 32-bit BMPs become 16-bit 5-6-5 bitmaps.
PalmImage PalmFromDib(const platform::Dib& dib);

// The BMP for a Palm bitmap: 1, 4 (also for 2-bit bitmaps) or 8 bits with the bitmap's palette,
// or 24 bits for 16-bit bitmaps.
platform::Dib DibFromPalm(const PalmImage& image);

}  // namespace orvanta::bitmap
