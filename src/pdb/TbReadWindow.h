// TbReadWindow: a large window of a file opened for reading, from which the data records are
// decoded: numbers and texts are taken from memory with inline bounds checks.
#pragma once

#include "io/QnAutoError.h"
#include "io/QnBufferedFile.h"

#include <cstdint>
#include <string_view>
#include <vector>

class TbReadWindow {
public:
    // file must be open for reading; a read past its end fails through error as ReadN does.
    TbReadWindow(QnBufferedFile& file, QnAutoError& error) : m_file(file), m_error(error) {}

    // Starts reading at offset (the window moves only when it does not hold it).
    void SetPosition(uint32_t offset);
    uint32_t GetPosition() const { return m_start + m_pos; }
    // Frees the window's memory.
    void Release();

    uint8_t ReadU8() {
        Need(1);
        return m_bytes[m_pos++];
    }
    uint16_t ReadU16() {
        Need(2);
        uint16_t value = static_cast<uint16_t>(m_bytes[m_pos] << 8 | m_bytes[m_pos + 1]);
        m_pos += 2;
        return value;
    }
    uint32_t ReadU32() {
        Need(4);
        const uint8_t* b = m_bytes.data() + m_pos;
        m_pos += 4;
        return uint32_t{b[0]} << 24 | uint32_t{b[1]} << 16 | uint32_t{b[2]} << 8 | b[3];
    }
    // n bytes in the window: the view lasts until the next read.
    std::string_view ReadBytes(uint32_t n) {
        Need(n);
        std::string_view bytes(reinterpret_cast<const char*>(m_bytes.data()) + m_pos, n);
        m_pos += n;
        return bytes;
    }

private:
    static constexpr uint32_t kWindowSize = 256 * 1024;

    void Need(uint32_t n) {
        if (m_end - m_pos < n) [[unlikely]]
            Fill(n);
    }
    // Moves the window to the position and reads at least n bytes, or fails as a short read.
    void Fill(uint32_t n);

    QnBufferedFile& m_file;
    QnAutoError& m_error;
    std::vector<uint8_t> m_bytes;
    uint32_t m_start = 0;  // file offset of m_bytes[0]
    uint32_t m_pos = 0;    // next byte to read, in m_bytes
    uint32_t m_end = 0;    // bytes of the file in m_bytes
};
