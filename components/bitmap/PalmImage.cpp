// The handheld's system palettes and the 5-6-5 colour arithmetic of 16-bit bitmaps.
#include "PalmImage.h"

#include <array>

namespace orvanta::bitmap {

namespace {

std::vector<Colour> Greys(int depth) {
    const int count = 1 << depth;
    std::vector<Colour> greys;
    for (int i = 0; i < count; ++i) {
        const auto level = static_cast<uint8_t>(255 - i * 255 / (count - 1));
        greys.push_back({level, level, level});
    }
    return greys;
}

// The colour palette: the 6x6x6 cube without black, from white down (blue in halves of three
// levels, then red, then blue within the half, then green), ten greys, five named colours, and
// black for the rest.
std::vector<Colour> ColourPalette() {
    std::vector<Colour> palette;
    for (int half = 0; half < 2; ++half)
        for (int r = 0; r < 6; ++r)
            for (int b = 0; b < 3; ++b)
                for (int g = 0; g < 6; ++g) {
                    const auto level = [](int step) { return static_cast<uint8_t>(255 - 51 * step); };
                    if (half == 1 && r == 5 && b == 2 && g == 5) continue;  // black comes last
                    palette.push_back({level(r), level(g), level(half * 3 + b)});
                }
    for (uint8_t grey : {17, 34, 68, 85, 119, 136, 170, 187, 221, 238}) palette.push_back({grey, grey, grey});
    for (Colour c :
         std::array<Colour, 5>{{{192, 192, 192}, {128, 0, 0}, {128, 0, 128}, {0, 128, 0}, {0, 128, 128}}})
        palette.push_back(c);
    palette.resize(256, Colour{0, 0, 0});
    return palette;
}

}  // namespace

const std::vector<Colour>& SystemPalette(int depth) {
    static const std::array<std::vector<Colour>, 4> palettes{Greys(1), Greys(2), Greys(4), ColourPalette()};
    switch (depth) {
        case 1:
            return palettes[0];
        case 2:
            return palettes[1];
        case 4:
            return palettes[2];
        default:
            return palettes[3];
    }
}

const std::vector<Colour>& PalmImage::Palette() const {
    return colourTable.empty() ? SystemPalette(depth) : colourTable;
}

Colour PalmImage::ColourAt(int x, int y) const {
    const uint16_t value = At(x, y);
    if (depth == 16) return From565(value);
    const std::vector<Colour>& palette = Palette();
    return value < palette.size() ? palette[value] : Colour{};
}

Colour From565(uint16_t v) {
    return {static_cast<uint8_t>((v >> 11 & 0x1F) * 255 / 31),
            static_cast<uint8_t>((v >> 5 & 0x3F) * 255 / 63), static_cast<uint8_t>((v & 0x1F) * 255 / 31)};
}

uint16_t To565(Colour c) { return static_cast<uint16_t>((c.r >> 3) << 11 | (c.g >> 2) << 5 | c.b >> 3); }

}  // namespace orvanta::bitmap
