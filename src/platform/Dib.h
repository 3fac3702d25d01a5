// Device-independent bitmaps: the BMP files Windows programs exchange, read whole into a
// descriptor (rows bottom-up, each padded to 4 bytes) and written back from one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvanta::platform {

struct DibColour {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const DibColour&) const = default;
};

inline constexpr uint32_t kBmpFileHeaderSize = 14;
inline constexpr uint32_t kBmpInfoHeaderSize = 40;

// A bitmap of 1, 4, 8, 16 (5-6-5), 24 or 32 bits per pixel; palette entries only up to 8 bits.
struct Dib {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<DibColour> palette;
    std::vector<uint8_t> bits;  // rows bottom-up, BytesPerRow() each

    static int BytesPerRow(int bitsPerPixel, int width) { return (bitsPerPixel * width + 31) / 32 * 4; }
    int BytesPerRow() const { return BytesPerRow(bitsPerPixel, width); }
    // An all-zero bitmap of that size and depth with an empty palette.
    static Dib Blank(int width, int height, int bitsPerPixel);

    // Row y counted from the top of the picture.
    uint8_t* Row(int y) { return bits.data() + static_cast<size_t>(height - 1 - y) * BytesPerRow(); }
    const uint8_t* Row(int y) const {
        return bits.data() + static_cast<size_t>(height - 1 - y) * BytesPerRow();
    }
    // The palette index of a pixel (depths up to 8), and setting one.
    uint32_t Index(int x, int y) const;
    void SetIndex(int x, int y, uint32_t index);
    // The colour of a pixel at any depth (an index outside the palette is black).
    DibColour Colour(int x, int y) const;
    void SetColour(int x, int y, DibColour colour);  // 16, 24 and 32 bits
};

// How the pixels of one BMP row are laid out: depth and, for 16 and 32 bits, the channel masks.
struct DibPixelFormat {
    int bitsPerPixel = 0;
    uint32_t redMask = 0, greenMask = 0, blueMask = 0;
    // The format of an uncompressed BMP at that depth: 16 bits are 5-5-5.
    static DibPixelFormat Plain(int bitsPerPixel);
};

// The colour of pixel x of a row in that format; indexes go through the palette.
DibColour DibPixel(const uint8_t* row, int x, const DibPixelFormat& format,
                   const std::vector<DibColour>& palette);

// What the headers of a BMP file say, read by ReadDibHeader.
struct DibHeader {
    int width = 0;
    int height = 0;  // always positive; topDown tells the row order
    bool topDown = false;
    DibPixelFormat format;
    uint32_t colourCount = 0;  // palette entries in the file
    uint32_t paletteOffset = 0;
    uint32_t bitsOffset = 0;
    std::vector<DibColour> palette;
};

// Reads and checks the file and information headers and the palette from the start of the file
// bytes given (at least the headers); false with a message for anything but a plain BMP.
bool ReadDibHeader(const std::vector<uint8_t>& bytes, DibHeader* header, std::string* error);

// Reads a whole BMP file (1, 4, 8, 16, 24 or 32 bits, uncompressed or with bit-field masks).
// 16-bit files keep their pixels as 5-6-5 when their masks say so, else become 24 bits.
bool ReadDib(const std::string& path, Dib* dib, std::string* error);

// The 14-byte file header and 40-byte information header of a bitmap (16 bits carry 5-6-5
// masks after it), followed by its palette.
std::vector<uint8_t> DibHeaderBytes(const Dib& dib);
// Writes the bitmap as a BMP file; false when the file cannot be written.
bool WriteDib(const std::string& path, const Dib& dib);

}  // namespace orvanta::platform
