// A Palm OS bitmap decoded: its size, depth, colours and pixels, with what its header said
// about colour table and transparency, so that it can be written back as the handheld shows it.
#pragma once

#include "platform/Dib.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace orvanta::bitmap {

using Colour = platform::DibColour;

struct PalmImage {
    int width = 0;
    int height = 0;
    int depth = 1;  // 1, 2, 4, 8 or 16 bits per pixel
    // The bitmap's own colour table; empty when it uses the system palette of its depth.
    std::vector<Colour> colourTable;
    // Palette indexes (depths up to 8) or 5-6-5 values (16 bits), row by row from the top.
    std::vector<uint16_t> pixels;
    // The transparent index, or 5-6-5 value at 16 bits, when the bitmap has one.
    std::optional<uint16_t> transparent;

    uint16_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    // The colours the indexes stand for: the colour table or the system palette.
    const std::vector<Colour>& Palette() const;
    Colour ColourAt(int x, int y) const;
};

// The handheld's system palette at 1, 2, 4 or 8 bits: greys from white (index 0) to black
// for 1 to 4 bits, the 231 colours of the colour palette (then black) for 8 bits.
const std::vector<Colour>& SystemPalette(int depth);
// A 5-6-5 value widened to 8 bits per channel (the largest value of each channel is 255).
Colour From565(uint16_t value);
uint16_t To565(Colour colour);

}  // namespace orvanta::bitmap
