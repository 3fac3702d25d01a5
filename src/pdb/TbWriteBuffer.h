// TbWriteBuffer: what the writer writes, gathered in memory and handed to the file in large
// blocks; numbers are stored big-endian straight into the buffer.
#pragma once

#include "io/QnBufferedFile.h"

#include <cstdint>
#include <cstring>
#include <memory>

class TbWriteBuffer {
public:
    // Writes to file (opened for writing) at its position; failures throw as WriteN does.
    explicit TbWriteBuffer(QnBufferedFile& file) : m_file(file) {}

    // The file position the next byte goes to.
    uint32_t GetPosition() { return m_file.GetPosition() + m_used; }
    // Hands everything gathered to the file.
    void Flush();
    // Flushes, then continues at offset.
    void SetPosition(uint32_t offset);
    // Frees the buffer's memory (it is gathered again on the next write).
    void Release();

    void WriteU8(uint8_t value) { *Room(1) = value; }
    void WriteU16(uint16_t value) {
        uint8_t* at = Room(2);
        at[0] = static_cast<uint8_t>(value >> 8);
        at[1] = static_cast<uint8_t>(value);
    }
    void WriteU32(uint32_t value) {
        uint8_t* at = Room(4);
        at[0] = static_cast<uint8_t>(value >> 24);
        at[1] = static_cast<uint8_t>(value >> 16);
        at[2] = static_cast<uint8_t>(value >> 8);
        at[3] = static_cast<uint8_t>(value);
    }
    void WriteN(const void* bytes, uint32_t n) {
        if (n > kBlockSize) return WriteLarge(bytes, n);
        if (n > 0) std::memcpy(Room(n), bytes, n);
    }

private:
    static constexpr uint32_t kBlockSize = 256 * 1024;

    // n bytes of room at the end of the buffer, flushing first when they do not fit.
    uint8_t* Room(uint32_t n) {
        if (kBlockSize - m_used < n || !m_bytes) [[unlikely]]
            MakeRoom(n);
        uint8_t* at = m_bytes.get() + m_used;
        m_used += n;
        return at;
    }
    void MakeRoom(uint32_t n);
    void WriteLarge(const void* bytes, uint32_t n);

    QnBufferedFile& m_file;
    std::unique_ptr<uint8_t[]> m_bytes;
    uint32_t m_used = 0;
};
