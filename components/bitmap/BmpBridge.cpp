// Maps BMP pixels to Palm bitmap pixels and back.
#include "BmpBridge.h"

#include <algorithm>

namespace orvanta::bitmap {

namespace {

using platform::Dib;

// The grey ramp of image import's 4-bit files (entry i is grey 17 x i).
bool IsImportGreyRamp(const std::vector<Colour>& palette) {
    if (palette.size() != 16) return false;
    for (size_t i = 0; i < 16; ++i) {
        const auto grey = static_cast<uint8_t>(17 * i);
        if (palette[i] != Colour{grey, grey, grey}) return false;
    }
    return true;
}

// For each palette entry the system palette index of the same colour, or none when one is missing.
bool SystemIndexes(const std::vector<Colour>& palette, int depth, std::vector<uint16_t>* indexes) {
    const std::vector<Colour>& system = SystemPalette(depth);
    const size_t usable = depth == 8 ? 231 : system.size();
    for (const Colour& c : palette) {
        auto end = system.begin() + static_cast<std::ptrdiff_t>(usable);
        auto found = std::find(system.begin(), end, c);
        if (found == end && c == Colour{0, 0, 0}) found = system.end() - 1;  // black is the last entry
        if (found == end) return false;
        indexes->push_back(static_cast<uint16_t>(found - system.begin()));
    }
    return true;
}

PalmImage IndexedFromDib(const Dib& dib) {
    PalmImage image{dib.width, dib.height, dib.bitsPerPixel, {}, {}, {}};
    if (dib.bitsPerPixel == 4 && dib.palette.size() <= 4) image.depth = 2;
    std::vector<Colour> palette = dib.palette;
    palette.resize(std::min<size_t>(palette.size(), size_t{1} << image.depth));
    std::vector<uint16_t> map;
    const bool raw = dib.bitsPerPixel == 4 && IsImportGreyRamp(palette);
    if (!raw && !SystemIndexes(palette, image.depth, &map)) {
        image.colourTable = palette;
        map.clear();
    }
    image.pixels.reserve(static_cast<size_t>(dib.width) * dib.height);
    for (int y = 0; y < dib.height; ++y)
        for (int x = 0; x < dib.width; ++x) {
            uint32_t index = dib.Index(x, y);
            if (index >= palette.size()) index = 0;  // outside the palette: its first colour
            image.pixels.push_back(static_cast<uint16_t>(map.empty() ? index : map[index]));
        }
    return image;
}

}  // namespace

PalmImage PalmFromDib(const Dib& dib) {
    if (dib.bitsPerPixel <= 8) return IndexedFromDib(dib);
    PalmImage image{dib.width, dib.height, 16, {}, {}, {}};
    image.pixels.reserve(static_cast<size_t>(dib.width) * dib.height);
    for (int y = 0; y < dib.height; ++y)
        for (int x = 0; x < dib.width; ++x) image.pixels.push_back(To565(dib.Colour(x, y)));
    return image;
}

Dib DibFromPalm(const PalmImage& image) {
    if (image.depth == 16) {
        Dib dib = Dib::Blank(image.width, image.height, 24);
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x) dib.SetColour(x, y, image.ColourAt(x, y));
        return dib;
    }
    Dib dib = Dib::Blank(image.width, image.height, image.depth == 2 ? 4 : image.depth);
    const std::vector<Colour>& palette = image.Palette();
    dib.palette.assign(palette.begin(),
                       palette.begin() + std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(palette.size()),
                                                                  std::ptrdiff_t{1} << image.depth));
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) dib.SetIndex(x, y, image.At(x, y));
    return dib;
}

}  // namespace orvanta::bitmap
