// Writes Palm OS bitmaps: header, optional colour table or direct colour information, and the
// rows, compressed when that saves bytes.
#include "PalmCodec.h"
#include "PalmCompression.h"

#include <algorithm>

namespace orvanta::bitmap {

namespace {

constexpr uint16_t kCompressed = 0x8000;
constexpr uint16_t kHasColourTable = 0x4000;
constexpr uint16_t kDirectColour = 0x0400;

void Put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v >> 8));
    b.push_back(static_cast<uint8_t>(v));
}

size_t RowBytes(const PalmImage& image) {
    return static_cast<size_t>((image.width * image.depth + 15) / 16 * 2);
}

// The uncompressed rows: indexes packed from the high bits, or big-endian 5-6-5 words.
std::vector<uint8_t> PackRows(const PalmImage& image) {
    const size_t rowBytes = RowBytes(image);
    std::vector<uint8_t> rows(rowBytes * static_cast<size_t>(image.height), 0);
    for (int y = 0; y < image.height; ++y) {
        uint8_t* row = rows.data() + rowBytes * static_cast<size_t>(y);
        for (int x = 0; x < image.width; ++x) {
            const uint16_t v = image.At(x, y);
            if (image.depth == 16) {
                row[2 * x] = static_cast<uint8_t>(v >> 8);
                row[2 * x + 1] = static_cast<uint8_t>(v);
                continue;
            }
            const int bit = x * image.depth;
            row[bit / 8] |= static_cast<uint8_t>(v << (8 - image.depth - bit % 8));
        }
    }
    return rows;
}

// The smallest compressed form the version allows, with its two-byte size word in front, or
// the plain rows when nothing is smaller.
std::vector<uint8_t> BestData(const PalmImage& image, const std::vector<uint8_t>& rows, Compression* used) {
    const bool version2 = image.depth == 16;
    std::vector<uint8_t> best = rows;
    *used = Compression::None;
    for (Compression kind : {Compression::Scanline, Compression::Rle, Compression::PackBits}) {
        if (!version2 && kind != Compression::Scanline) continue;
        std::vector<uint8_t> data{0, 0};
        CompressRows(kind, rows, RowBytes(image), image.depth == 16, &data);
        if (data.size() >= best.size() || data.size() > 0xFFFF) continue;
        data[0] = static_cast<uint8_t>(data.size() >> 8);
        data[1] = static_cast<uint8_t>(data.size());
        best = std::move(data);
        *used = kind;
    }
    return best;
}

}  // namespace

bool IsSystemPalette(const std::vector<Colour>& table, int depth) {
    const std::vector<Colour>& system = SystemPalette(depth);
    return table.size() <= system.size() && std::equal(table.begin(), table.end(), system.begin());
}

std::vector<uint8_t> EncodePalmBitmap(const PalmImage& image) {
    const std::vector<uint8_t> rows = PackRows(image);
    Compression used;
    const std::vector<uint8_t> data = BestData(image, rows, &used);
    const bool table = image.depth <= 8 && !IsSystemPalette(image.colourTable, image.depth);
    uint16_t flags = 0;
    if (used != Compression::None) flags |= kCompressed;
    if (table) flags |= kHasColourTable;
    if (image.depth == 16) flags |= kDirectColour;

    std::vector<uint8_t> out;
    Put16(out, static_cast<uint32_t>(image.width));
    Put16(out, static_cast<uint32_t>(image.height));
    Put16(out, static_cast<uint32_t>(RowBytes(image)));
    Put16(out, flags);
    out.push_back(static_cast<uint8_t>(image.depth));
    out.push_back(image.depth == 16 ? 2 : 1);  // version
    Put16(out, 0);                             // next depth offset: the only rendition
    out.push_back(0);                          // transparent index (version 2)
    out.push_back(used == Compression::None ? 0 : static_cast<uint8_t>(used));
    Put16(out, 0);  // reserved
    if (table) {
        Put16(out, static_cast<uint32_t>(image.colourTable.size()));
        for (size_t i = 0; i < image.colourTable.size(); ++i) {
            const Colour c = image.colourTable[i];
            out.insert(out.end(), {static_cast<uint8_t>(i), c.r, c.g, c.b});
        }
    }
    if (image.depth == 16) out.insert(out.end(), {5, 6, 5, 0, 0, 0, 0, 0});  // 5-6-5, no transparent colour
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

}  // namespace orvanta::bitmap
