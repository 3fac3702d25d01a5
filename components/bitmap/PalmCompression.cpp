// Row compressions of Palm OS bitmaps, each row compressed on its own, as the handheld reads them.
#include "PalmCompression.h"

#include <algorithm>
#include <cstring>

namespace orvanta::bitmap {

namespace {

void ScanlineRow(const uint8_t* row, const uint8_t* above, size_t rowBytes, std::vector<uint8_t>* out) {
    for (size_t j = 0; j < rowBytes; j += 8) {
        const size_t count = std::min<size_t>(8, rowBytes - j);
        uint8_t mask = 0;
        for (size_t k = 0; k < count; ++k)
            if (!above || row[j + k] != above[j + k]) mask |= static_cast<uint8_t>(0x80 >> k);
        out->push_back(mask);
        for (size_t k = 0; k < count; ++k)
            if (mask & (0x80 >> k)) out->push_back(row[j + k]);
    }
}

void RleRow(const uint8_t* row, size_t rowBytes, std::vector<uint8_t>* out) {
    for (size_t j = 0; j < rowBytes;) {
        size_t run = 1;
        while (j + run < rowBytes && run < 255 && row[j + run] == row[j]) ++run;
        out->push_back(static_cast<uint8_t>(run));
        out->push_back(row[j]);
        j += run;
    }
}

// PackBits over units of one byte or one word: runs of two or more units as (1 - n, unit),
// other units as (n - 1, units...), n up to 128.
void PackBitsRow(const uint8_t* row, size_t rowBytes, size_t unit, std::vector<uint8_t>* out) {
    const size_t units = rowBytes / unit;
    auto same = [&](size_t a, size_t b) { return std::memcmp(row + a * unit, row + b * unit, unit) == 0; };
    for (size_t i = 0; i < units;) {
        size_t run = 1;
        while (i + run < units && run < 128 && same(i, i + run)) ++run;
        if (run >= 2) {
            out->push_back(static_cast<uint8_t>(1 - static_cast<int>(run)));
            out->insert(out->end(), row + i * unit, row + (i + 1) * unit);
            i += run;
            continue;
        }
        size_t literal = 1;
        while (i + literal < units && literal < 128 &&
               !(i + literal + 1 < units && same(i + literal, i + literal + 1)))
            ++literal;
        out->push_back(static_cast<uint8_t>(literal - 1));
        out->insert(out->end(), row + i * unit, row + (i + literal) * unit);
        i += literal;
    }
}

bool ScanlineRead(std::span<const uint8_t> in, size_t* pos, uint8_t* row, const uint8_t* above,
                  size_t rowBytes) {
    for (size_t j = 0; j < rowBytes; j += 8) {
        if (*pos >= in.size()) return false;
        const uint8_t mask = in[(*pos)++];
        for (size_t k = 0; k < std::min<size_t>(8, rowBytes - j); ++k) {
            if (above && !(mask & (0x80 >> k))) {
                row[j + k] = above[j + k];
                continue;
            }
            if (*pos >= in.size()) return false;
            row[j + k] = in[(*pos)++];
        }
    }
    return true;
}

bool RleRead(std::span<const uint8_t> in, size_t* pos, uint8_t* row, size_t rowBytes) {
    for (size_t j = 0; j < rowBytes;) {
        if (*pos + 2 > in.size()) return false;
        const size_t count = in[*pos];
        const uint8_t value = in[*pos + 1];
        *pos += 2;
        if (count == 0 || j + count > rowBytes) return false;
        std::memset(row + j, value, count);
        j += count;
    }
    return true;
}

bool PackBitsRead(std::span<const uint8_t> in, size_t* pos, uint8_t* row, size_t rowBytes, size_t unit) {
    for (size_t j = 0; j < rowBytes;) {
        if (*pos >= in.size()) return false;
        const auto count = static_cast<int8_t>(in[(*pos)++]);
        if (count == -128) continue;  // no operation
        const bool repeat = count < 0;
        const size_t bytes = static_cast<size_t>(repeat ? 1 - count : count + 1) * unit;
        const size_t read = repeat ? unit : bytes;
        if (j + bytes > rowBytes || *pos + read > in.size()) return false;
        for (size_t k = 0; k < bytes; k += read) std::memcpy(row + j + k, in.data() + *pos, read);
        *pos += read;
        j += bytes;
    }
    return true;
}

}  // namespace

void CompressRows(Compression kind, std::span<const uint8_t> rows, size_t rowBytes, bool wordUnits,
                  std::vector<uint8_t>* out) {
    for (size_t at = 0; at + rowBytes <= rows.size(); at += rowBytes) {
        const uint8_t* row = rows.data() + at;
        if (kind == Compression::Scanline)
            ScanlineRow(row, at == 0 ? nullptr : row - rowBytes, rowBytes, out);
        else if (kind == Compression::Rle)
            RleRow(row, rowBytes, out);
        else if (kind == Compression::PackBits)
            PackBitsRow(row, rowBytes, wordUnits ? 2 : 1, out);
        else
            out->insert(out->end(), row, row + rowBytes);
    }
}

bool DecompressRows(Compression kind, std::span<const uint8_t> in, size_t* pos, size_t rowBytes,
                    bool wordUnits, std::span<uint8_t> rows) {
    if (rowBytes == 0) return true;
    for (size_t at = 0; at + rowBytes <= rows.size(); at += rowBytes) {
        uint8_t* row = rows.data() + at;
        bool ok = false;
        if (kind == Compression::Scanline) {
            ok = ScanlineRead(in, pos, row, at == 0 ? nullptr : row - rowBytes, rowBytes);
        } else if (kind == Compression::Rle) {
            ok = RleRead(in, pos, row, rowBytes);
        } else if (kind == Compression::PackBits) {
            ok = PackBitsRead(in, pos, row, rowBytes, wordUnits ? 2 : 1);
        } else if (*pos + rowBytes <= in.size()) {
            std::memcpy(row, in.data() + *pos, rowBytes);
            *pos += rowBytes;
            ok = true;
        }
        if (!ok) return false;
    }
    return true;
}

}  // namespace orvanta::bitmap
