// Uncompressed 8-bit Palm OS bitmaps (version 1 header) in the handheld's system palette: the
// bytes an Image field stores, painted pixel by pixel from colours.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace samples {

struct Rgb {
    int r, g, b;  // 0 to 255 each
};

// The system palette's index of a colour of its 6x6x6 colour cube (levels 0, 51, ... 255).
// Black is the palette's last entry, 255.
uint8_t PalmCubeIndex(int redLevel, int greenLevel, int blueLevel);

// A width x height bitmap: the 16-byte header (width, height, row bytes, flags 0, pixel size 8,
// version 1, next depth offset 0, two reserved words) and the rows of palette indexes, each
// padded to an even length. Colours are dithered onto the colour cube.
std::vector<uint8_t> MakePalmBitmap8(int width, int height, const std::function<Rgb(int x, int y)>& paint);

}  // namespace samples
