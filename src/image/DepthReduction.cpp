// The pixel arithmetic of the reductions: luminance and grey thresholds, popularity bins and
// their nearest palette entries, 5-6-5 packing.
#include "image/DepthReduction.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace orvanta::image {

namespace {

using platform::Dib;
using platform::DibColour;

constexpr int kBins = 4096;

Dib Blank(const Dib& rgb, int bits, std::vector<DibColour> palette) {
    Dib dib = Dib::Blank(rgb.width, rgb.height, bits);
    dib.palette = std::move(palette);
    return dib;
}

int BinOf(DibColour c) { return (c.r / 16) * 256 + (c.g / 16) * 16 + c.b / 16; }

int BinDistance(int a, int b) {
    return std::abs((a >> 8) - (b >> 8)) + std::abs(((a >> 4) & 15) - ((b >> 4) & 15)) +
           std::abs((a & 15) - (b & 15));
}

// The palette's bins: non-empty bins by falling count, lower keys first among equals.
std::vector<int> PopularBins(const std::array<int, kBins>& counts) {
    std::vector<int> bins;
    for (int key = 0; key < kBins; ++key)
        if (counts[static_cast<size_t>(key)] > 0) bins.push_back(key);
    std::stable_sort(bins.begin(), bins.end(), [&](int a, int b) {
        return counts[static_cast<size_t>(a)] > counts[static_cast<size_t>(b)];
    });
    if (bins.size() > 256) bins.resize(256);
    return bins;
}

// The first palette entry with the smallest distance, the search stopping below 2.
int NearestEntry(int bin, const std::vector<int>& palette) {
    int best = 0, bestDistance = 1 << 30;
    for (size_t i = 0; i < palette.size(); ++i) {
        const int distance = BinDistance(bin, palette[i]);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
        if (distance < 2) break;
    }
    return best;
}

}  // namespace

int Luminance(DibColour c) { return (299 * c.r + 587 * c.g + 114 * c.b) / 1000; }

uint32_t GreyIndex16(DibColour c) {
    const int luminance = Luminance(c);
    uint32_t level = 0;
    for (int threshold = 8; threshold <= 246; threshold += 17)
        if (luminance >= threshold) ++level;
    return 15 - level;
}

Dib ReduceToGrey16(const Dib& rgb) {
    std::vector<DibColour> greys;
    for (int i = 0; i < 16; ++i)
        greys.push_back(
            {static_cast<uint8_t>(17 * i), static_cast<uint8_t>(17 * i), static_cast<uint8_t>(17 * i)});
    Dib dib = Blank(rgb, 4, greys);
    for (int y = 0; y < rgb.height; ++y)
        for (int x = 0; x < rgb.width; ++x) dib.SetIndex(x, y, GreyIndex16(rgb.Colour(x, y)));
    return dib;
}

Dib ReduceToPopularPalette(const Dib& rgb) {
    std::array<int, kBins> counts{};
    for (int y = 0; y < rgb.height; ++y)
        for (int x = 0; x < rgb.width; ++x) ++counts[static_cast<size_t>(BinOf(rgb.Colour(x, y)))];
    const std::vector<int> palette = PopularBins(counts);
    std::array<int, kBins> entryOf{};
    entryOf.fill(-1);
    for (size_t i = 0; i < palette.size(); ++i)
        entryOf[static_cast<size_t>(palette[i])] = static_cast<int>(i);
    for (int key = 0; key < kBins; ++key)
        if (counts[static_cast<size_t>(key)] > 0 && entryOf[static_cast<size_t>(key)] < 0)
            entryOf[static_cast<size_t>(key)] = NearestEntry(key, palette);
    std::vector<DibColour> colours(256, DibColour{0, 0, 0});
    for (size_t i = 0; i < palette.size(); ++i)
        colours[i] = {static_cast<uint8_t>((palette[i] >> 8) * 17),
                      static_cast<uint8_t>(((palette[i] >> 4) & 15) * 17),
                      static_cast<uint8_t>((palette[i] & 15) * 17)};
    Dib dib = Blank(rgb, 8, colours);
    for (int y = 0; y < rgb.height; ++y)
        for (int x = 0; x < rgb.width; ++x)
            dib.SetIndex(x, y, static_cast<uint32_t>(entryOf[static_cast<size_t>(BinOf(rgb.Colour(x, y)))]));
    return dib;
}

Dib ReduceTo565(const Dib& rgb) {
    Dib dib = Blank(rgb, 16, {});
    for (int y = 0; y < rgb.height; ++y)
        for (int x = 0; x < rgb.width; ++x) dib.SetColour(x, y, rgb.Colour(x, y));  // packs 5-6-5
    return dib;
}

Dib ReduceToMono(const Dib& rgb) {
    Dib dib = Blank(rgb, 1, {{255, 255, 255}, {0, 0, 0}});
    for (int y = 0; y < rgb.height; ++y)
        for (int x = 0; x < rgb.width; ++x) dib.SetIndex(x, y, Luminance(rgb.Colour(x, y)) >= 128 ? 0 : 1);
    return dib;
}

Dib ReduceToGrey4(const Dib& rgb) {
    Dib dib = Blank(rgb, 4, {{255, 255, 255}, {170, 170, 170}, {85, 85, 85}, {0, 0, 0}});
    for (int y = 0; y < rgb.height; ++y)
        for (int x = 0; x < rgb.width; ++x)
            dib.SetIndex(x, y, 3 - static_cast<uint32_t>(Luminance(rgb.Colour(x, y)) / 64));
    return dib;
}

Dib ReduceToDepth(const Dib& rgb, int bits) {
    switch (bits) {
        case 1:
            return ReduceToMono(rgb);
        case 2:
            return ReduceToGrey4(rgb);
        case 4:
            return ReduceToGrey16(rgb);
        case 16:
            return ReduceTo565(rgb);
        default:
            return ReduceToPopularPalette(rgb);
    }
}

}  // namespace orvanta::image
