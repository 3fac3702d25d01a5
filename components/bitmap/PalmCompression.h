// The three row compressions of Palm OS bitmaps: scanline (bytes that differ from the row
// above), RLE (count and byte pairs) and PackBits (runs and literals, of words at 16 bits).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace orvanta::bitmap {

enum class Compression : uint8_t { Scanline = 0, Rle = 1, PackBits = 2, None = 0xFF };

// Compressed data of whole rows (rowBytes each) appended to out; wordUnits for 16-bit PackBits.
void CompressRows(Compression kind, std::span<const uint8_t> rows, size_t rowBytes, bool wordUnits,
                  std::vector<uint8_t>* out);

// Reads compressed data from in (from *pos on) into rows.size() / rowBytes rows; false when
// the data ends early or a count runs past its row.
bool DecompressRows(Compression kind, std::span<const uint8_t> in, size_t* pos, size_t rowBytes,
                    bool wordUnits, std::span<uint8_t> rows);

}  // namespace orvanta::bitmap
