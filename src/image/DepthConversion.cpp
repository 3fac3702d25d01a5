// Converts BMP files block by block: headers first, then 100 rows read, converted and written
// at a time, and for palette targets the palette written again at the end.
#include "image/DepthConversion.h"

#include "model/IProgressIndicator.h"
#include "platform/Dib.h"

#include <algorithm>
#include <climits>
#include <fstream>
#include <map>
#include <memory>

namespace orvanta::image {

namespace {

using platform::Dib;
using platform::DibColour;

constexpr uint32_t kMaxHeaderBytes = 64 * 1024;

// The palette of a palette target: all white at first, colours added as they appear.
class GrowingPalette {
public:
    explicit GrowingPalette(int bits) : m_colours(size_t{1} << bits, DibColour{255, 255, 255}) {}
    // The colour's index; false when the palette is full.
    bool IndexOf(DibColour c, uint32_t* index) {
        const uint32_t key = static_cast<uint32_t>(c.r) << 16 | c.g << 8 | c.b;
        if (auto it = m_indexes.find(key); it != m_indexes.end()) {
            *index = it->second;
            return true;
        }
        if (m_indexes.size() == m_colours.size()) return false;
        *index = static_cast<uint32_t>(m_indexes.size());
        m_colours[*index] = c;
        m_indexes.emplace(key, *index);
        return true;
    }
    const std::vector<DibColour>& Colours() const { return m_colours; }

private:
    std::vector<DibColour> m_colours;
    std::map<uint32_t, uint32_t> m_indexes;
};

bool ReadHeaders(std::ifstream& in, platform::DibHeader* header) {
    std::vector<uint8_t> bytes(platform::kBmpFileHeaderSize);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        return false;
    const uint32_t offset =
        bytes[10] | bytes[11] << 8 | bytes[12] << 16 | static_cast<uint32_t>(bytes[13]) << 24;
    if (offset < platform::kBmpFileHeaderSize + platform::kBmpInfoHeaderSize || offset > kMaxHeaderBytes)
        return false;
    bytes.resize(offset);
    if (!in.read(reinterpret_cast<char*>(bytes.data() + platform::kBmpFileHeaderSize),
                 static_cast<std::streamsize>(offset - platform::kBmpFileHeaderSize)))
        return false;
    std::string error;
    return platform::ReadDibHeader(bytes, header, &error);
}

// Converts one block of source rows (file order) into target rows.
bool ConvertBlock(const platform::DibHeader& header, const std::vector<uint8_t>& source, int rows, Dib* block,
                  GrowingPalette* palette) {
    const size_t sourceRowBytes =
        static_cast<size_t>(Dib::BytesPerRow(header.format.bitsPerPixel, header.width));
    for (int r = 0; r < rows; ++r) {
        const uint8_t* row = source.data() + sourceRowBytes * static_cast<size_t>(r);
        const int y = block->height - 1 - r;  // the block's rows in file order
        for (int x = 0; x < header.width; ++x) {
            const DibColour c = platform::DibPixel(row, x, header.format, header.palette);
            uint32_t index = 0;
            if (!palette)
                block->SetColour(x, y, c);
            else if (!palette->IndexOf(c, &index))
                return false;
            else
                block->SetIndex(x, y, index);
        }
    }
    return true;
}

}  // namespace

bool ConvertBmpDepth(const std::string& from, const std::string& to, int bits, IProgressIndicator* progress) {
    std::ifstream in(from, std::ios::binary);
    platform::DibHeader header;
    if (!in || !ReadHeaders(in, &header)) return false;
    in.seekg(0, std::ios::end);
    const auto length = static_cast<int>(std::min<std::streamoff>(in.tellg(), INT32_MAX));
    in.seekg(header.bitsOffset);
    if (progress) progress->SetRange(length);

    Dib target = Dib::Blank(header.width, 0, bits);
    std::unique_ptr<GrowingPalette> palette;
    if (bits <= 8) palette = std::make_unique<GrowingPalette>(bits);
    if (palette) target.palette = palette->Colours();
    std::vector<uint8_t> head = platform::DibHeaderBytes(target);
    const uint32_t imageBytes =
        static_cast<uint32_t>(target.BytesPerRow()) * static_cast<uint32_t>(header.height);
    const uint32_t fileBytes = static_cast<uint32_t>(head.size()) + imageBytes;
    for (int i = 0; i < 4; ++i) {
        head[2 + i] = static_cast<uint8_t>(fileBytes >> (8 * i));
        head[22 + i] = static_cast<uint8_t>((header.topDown ? -header.height : header.height) >> (8 * i));
        head[34 + i] = static_cast<uint8_t>(imageBytes >> (8 * i));
    }
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(head.data()), static_cast<std::streamsize>(head.size()));

    const size_t sourceRowBytes =
        static_cast<size_t>(Dib::BytesPerRow(header.format.bitsPerPixel, header.width));
    for (int done = 0; done < header.height; done += kRowsPerBlock) {
        const int rows = std::min(kRowsPerBlock, header.height - done);
        std::vector<uint8_t> source(sourceRowBytes * static_cast<size_t>(rows));
        if (!in.read(reinterpret_cast<char*>(source.data()), static_cast<std::streamsize>(source.size())))
            return false;
        if (progress) progress->Step(static_cast<int>(source.size()));
        Dib block = Dib::Blank(header.width, rows, bits);
        if (!ConvertBlock(header, source, rows, &block, palette.get())) return false;
        // Dib rows are bottom-up, so the block's bytes are already in file order.
        out.write(reinterpret_cast<const char*>(block.bits.data()),
                  static_cast<std::streamsize>(block.bits.size()));
    }
    if (palette) {
        target.palette = palette->Colours();
        head = platform::DibHeaderBytes(target);
        const size_t paletteAt = platform::kBmpFileHeaderSize + platform::kBmpInfoHeaderSize;
        out.seekp(static_cast<std::streamoff>(paletteAt));
        out.write(reinterpret_cast<const char*>(head.data() + paletteAt),
                  static_cast<std::streamsize>(head.size() - paletteAt));
    }
    out.close();
    return static_cast<bool>(out);
}

}  // namespace orvanta::image
