// Palm OS 8-bit bitmaps: the system palette's colour cube and an ordered dither that makes
// smooth colours look like a photograph on the handheld.
#include "PalmBitmap.h"

#include <algorithm>
#include <stdexcept>

namespace samples {

namespace {

// The system palette lists the cube from white down: red, then blue, then green falling from
// 0xFF to 0x00, with blue 0xFF..0x99 in entries 0-107 and 0x66..0x00 in entries 108-215.
constexpr int kCubeHalf = 108;

// A 4x4 Bayer matrix: thresholds 0..15 that spread the rounding error of each cube level.
constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

int DitheredLevel(int value, int x, int y) {
    int scaled = std::clamp(value, 0, 255) * 5;  // 0..1275, 255 per level
    int level = scaled / 255;
    int rest = scaled % 255;
    if (level < 5 && rest * 16 > kBayer[y & 3][x & 3] * 255 + 127) ++level;
    return level;
}

void PutWord(std::vector<uint8_t>& bytes, int value) {
    bytes.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
    bytes.push_back(static_cast<uint8_t>(value & 0xFF));
}

}  // namespace

uint8_t PalmCubeIndex(int redLevel, int greenLevel, int blueLevel) {
    if (redLevel == 0 && greenLevel == 0 && blueLevel == 0) return 255;
    int r = 5 - redLevel, g = 5 - greenLevel, b = 5 - blueLevel;  // steps down from 0xFF
    return static_cast<uint8_t>((b >= 3 ? kCubeHalf : 0) + r * 18 + (b % 3) * 6 + g);
}

std::vector<uint8_t> MakePalmBitmap8(int width, int height, const std::function<Rgb(int x, int y)>& paint) {
    if (width <= 0 || height <= 0 || width > 160 || height > 160)
        throw std::invalid_argument("a handheld picture is 1 to 160 pixels each way");
    int rowBytes = (width + 1) & ~1;
    std::vector<uint8_t> bytes;
    bytes.reserve(16 + static_cast<size_t>(rowBytes) * height);
    PutWord(bytes, width);
    PutWord(bytes, height);
    PutWord(bytes, rowBytes);
    PutWord(bytes, 0);   // flags: not compressed, no colour table, no transparency
    bytes.push_back(8);  // pixel size
    bytes.push_back(1);  // version
    PutWord(bytes, 0);   // next depth offset: the only depth
    PutWord(bytes, 0);   // reserved
    PutWord(bytes, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < rowBytes; ++x) {
            Rgb c = paint(std::min(x, width - 1), y);
            bytes.push_back(
                PalmCubeIndex(DitheredLevel(c.r, x, y), DitheredLevel(c.g, x, y), DitheredLevel(c.b, x, y)));
        }
    }
    return bytes;
}

}  // namespace samples
