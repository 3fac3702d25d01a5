// BMP files: little-endian headers checked field by field, palettes, pixel access by depth.
#include "platform/Dib.h"

#include <fstream>
#include <iterator>

namespace orvanta::platform {

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
constexpr int kMaxSide = 0x8000;  // larger pictures are not pictures for a handheld

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t Le16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

void Put32(std::vector<uint8_t>& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

// A channel of a masked pixel scaled to 0..255.
uint8_t Channel(uint32_t pixel, uint32_t mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1)) ++shift;
    const uint32_t max = mask >> shift;
    return static_cast<uint8_t>(((pixel & mask) >> shift) * 255 / max);
}

bool Fail(std::string* error, const char* text) {
    *error = text;
    return false;
}

// The masks follow the 40-byte information header, inside the newer, longer headers too.
bool ReadMasks(const std::vector<uint8_t>& bytes, DibPixelFormat* format) {
    if (format->bitsPerPixel != 16 && format->bitsPerPixel != 32) return false;
    const size_t at = kBmpFileHeaderSize + kBmpInfoHeaderSize;
    if (bytes.size() < at + 12) return false;
    format->redMask = Le32(bytes, at);
    format->greenMask = Le32(bytes, at + 4);
    format->blueMask = Le32(bytes, at + 8);
    return format->redMask && format->greenMask && format->blueMask;
}

bool Is565(const DibPixelFormat& f) {
    return f.bitsPerPixel == 16 && f.redMask == 0xF800 && f.greenMask == 0x07E0 && f.blueMask == 0x001F;
}

}  // namespace

Dib Dib::Blank(int width, int height, int bitsPerPixel) {
    Dib dib;
    dib.width = width;
    dib.height = height;
    dib.bitsPerPixel = bitsPerPixel;
    dib.bits.assign(static_cast<size_t>(dib.BytesPerRow()) * static_cast<size_t>(height), 0);
    return dib;
}

uint32_t Dib::Index(int x, int y) const {
    const uint8_t* row = Row(y);
    const int bitOffset = x * bitsPerPixel;
    const int shift = 8 - bitsPerPixel - bitOffset % 8;
    return (row[bitOffset / 8] >> shift) & ((1u << bitsPerPixel) - 1);
}

void Dib::SetIndex(int x, int y, uint32_t index) {
    uint8_t* row = Row(y);
    const int bitOffset = x * bitsPerPixel;
    const int shift = 8 - bitsPerPixel - bitOffset % 8;
    const uint32_t mask = ((1u << bitsPerPixel) - 1) << shift;
    row[bitOffset / 8] = static_cast<uint8_t>((row[bitOffset / 8] & ~mask) | ((index << shift) & mask));
}

DibColour Dib::Colour(int x, int y) const {
    DibPixelFormat format = DibPixelFormat::Plain(bitsPerPixel);
    if (bitsPerPixel == 16) format = {16, 0xF800, 0x07E0, 0x001F};
    return DibPixel(Row(y), x, format, palette);
}

void Dib::SetColour(int x, int y, DibColour c) {
    uint8_t* p = Row(y) + static_cast<size_t>(x) * static_cast<size_t>(bitsPerPixel / 8);
    if (bitsPerPixel == 16) {
        const uint32_t v = (c.r & 0xF8) << 8 | (c.g & 0xFC) << 3 | c.b >> 3;
        p[0] = static_cast<uint8_t>(v);
        p[1] = static_cast<uint8_t>(v >> 8);
        return;
    }
    p[0] = c.b;
    p[1] = c.g;
    p[2] = c.r;
    if (bitsPerPixel == 32) p[3] = 0;
}

DibPixelFormat DibPixelFormat::Plain(int bitsPerPixel) {
    if (bitsPerPixel == 16) return {16, 0x7C00, 0x03E0, 0x001F};
    if (bitsPerPixel == 32) return {32, 0xFF0000, 0xFF00, 0xFF};
    return {bitsPerPixel, 0, 0, 0};
}

DibColour DibPixel(const uint8_t* row, int x, const DibPixelFormat& format,
                   const std::vector<DibColour>& palette) {
    const int bits = format.bitsPerPixel;
    if (bits <= 8) {
        const int bitOffset = x * bits;
        const uint32_t index = (row[bitOffset / 8] >> (8 - bits - bitOffset % 8)) & ((1u << bits) - 1);
        return index < palette.size() ? palette[index] : DibColour{};
    }
    const uint8_t* p = row + static_cast<size_t>(x) * static_cast<size_t>(bits / 8);
    if (bits == 24) return {p[2], p[1], p[0]};
    const uint32_t v = bits == 16 ? static_cast<uint32_t>(p[0] | p[1] << 8)
                                  : p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
    return {Channel(v, format.redMask), Channel(v, format.greenMask), Channel(v, format.blueMask)};
}

bool ReadDibHeader(const std::vector<uint8_t>& bytes, DibHeader* header, std::string* error) {
    if (bytes.size() < kBmpFileHeaderSize + kBmpInfoHeaderSize)
        return Fail(error, "The file is too short for a bitmap.");
    if (bytes[0] != 'B' || bytes[1] != 'M') return Fail(error, "The file is not a Windows bitmap.");
    const uint32_t infoSize = Le32(bytes, 14);
    if (infoSize < kBmpInfoHeaderSize || infoSize > 124)
        return Fail(error, "The bitmap's header is of an unknown kind.");
    const int32_t width = static_cast<int32_t>(Le32(bytes, 18));
    const int32_t height = static_cast<int32_t>(Le32(bytes, 22));
    if (width <= 0 || width > kMaxSide || height == 0 || height < -kMaxSide || height > kMaxSide)
        return Fail(error, "The bitmap's size is not valid.");
    if (Le16(bytes, 26) != 1) return Fail(error, "The bitmap has more than one plane.");
    const int bits = Le16(bytes, 28);
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return Fail(error, "The bitmap's depth is not supported.");
    const uint32_t compression = Le32(bytes, 30);
    header->format = DibPixelFormat::Plain(bits);
    if (compression == kBiBitfields) {
        if (!ReadMasks(bytes, &header->format))
            return Fail(error, "The bitmap's colour masks are not valid.");
    } else if (compression != kBiRgb) {
        return Fail(error, "Compressed bitmaps are not supported.");
    }
    header->width = width;
    header->height = height < 0 ? -height : height;
    header->topDown = height < 0;
    header->bitsOffset = Le32(bytes, 10);
    header->paletteOffset =
        kBmpFileHeaderSize + infoSize + (compression == kBiBitfields && infoSize == 40 ? 12 : 0);
    header->colourCount = 0;
    header->palette.clear();
    if (bits <= 8) {
        const uint32_t used = Le32(bytes, 46);
        header->colourCount = used == 0 || used > (1u << bits) ? 1u << bits : used;
        if (header->paletteOffset + 4 * header->colourCount > bytes.size())
            return Fail(error, "The bitmap's colour table is cut short.");
        for (uint32_t i = 0; i < header->colourCount; ++i) {
            const size_t at = header->paletteOffset + 4 * i;
            header->palette.push_back({bytes[at + 2], bytes[at + 1], bytes[at]});
        }
    }
    return true;
}

bool ReadDib(const std::string& path, Dib* dib, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Fail(error, "The bitmap file cannot be opened.");
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    DibHeader header;
    if (!ReadDibHeader(bytes, &header, error)) return false;
    const int bits = header.format.bitsPerPixel;
    const size_t rowBytes = static_cast<size_t>(Dib::BytesPerRow(bits, header.width));
    if (header.bitsOffset > bytes.size() ||
        (bytes.size() - header.bitsOffset) / rowBytes < static_cast<size_t>(header.height))
        return Fail(error, "The bitmap's pixels are cut short.");
    const bool keep = bits != 16 || Is565(header.format);
    const bool plain = bits <= 8 || bits == 24 || Is565(header.format) ||
                       (bits == 32 && header.format.redMask == 0xFF0000 &&
                        header.format.greenMask == 0xFF00 && header.format.blueMask == 0xFF);
    *dib = Dib::Blank(header.width, header.height, keep && plain ? bits : 24);
    dib->palette = header.palette;
    for (int y = 0; y < header.height; ++y) {
        const int fileRow = header.topDown ? y : header.height - 1 - y;
        const uint8_t* source = bytes.data() + header.bitsOffset + rowBytes * static_cast<size_t>(fileRow);
        if (dib->bitsPerPixel == bits) {
            std::copy(source, source + rowBytes, dib->Row(y));
            continue;
        }
        for (int x = 0; x < header.width; ++x) dib->SetColour(x, y, DibPixel(source, x, header.format, {}));
    }
    return true;
}

std::vector<uint8_t> DibHeaderBytes(const Dib& dib) {
    const bool masks = dib.bitsPerPixel == 16;
    const uint32_t paletteSize = static_cast<uint32_t>(dib.palette.size()) * 4;
    const uint32_t offset = kBmpFileHeaderSize + kBmpInfoHeaderSize + (masks ? 12 : 0) + paletteSize;
    const uint32_t imageSize = static_cast<uint32_t>(dib.bits.size());
    std::vector<uint8_t> b{'B', 'M'};
    Put32(b, offset + imageSize);
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, kBmpInfoHeaderSize);
    Put32(b, static_cast<uint32_t>(dib.width));
    Put32(b, static_cast<uint32_t>(dib.height));
    Put16(b, 1);
    Put16(b, static_cast<uint32_t>(dib.bitsPerPixel));
    Put32(b, masks ? kBiBitfields : kBiRgb);
    Put32(b, imageSize);
    Put32(b, 2835);  // 72 dots per inch
    Put32(b, 2835);
    Put32(b, static_cast<uint32_t>(dib.palette.size()));
    Put32(b, 0);
    if (masks) {
        Put32(b, 0xF800);
        Put32(b, 0x07E0);
        Put32(b, 0x001F);
    }
    for (const DibColour& c : dib.palette) b.insert(b.end(), {c.b, c.g, c.r, 0});
    return b;
}

bool WriteDib(const std::string& path, const Dib& dib) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::vector<uint8_t> header = DibHeaderBytes(dib);
    out.write(reinterpret_cast<const char*>(header.data()), static_cast<std::streamsize>(header.size()));
    out.write(reinterpret_cast<const char*>(dib.bits.data()), static_cast<std::streamsize>(dib.bits.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace orvanta::platform
