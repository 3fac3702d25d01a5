// QnBufferedFile: a QnFile with a 4096-byte window and typed 8/16/32-bit reads and writes in
// Palm (big-endian) or PC (host) order. Checked operations throw the attached QnAutoError.
#pragma once

#include "io/QnAutoError.h"
#include "io/QnFile.h"

#include <bit>
#include <cstring>
#include <memory>

static_assert(std::endian::native == std::endian::little, "PC order is little-endian host order");

enum PlatformType : uint32_t {
    PLATFORM_PC = 0,    // 16- and 32-bit values in host (little-endian) order
    PLATFORM_PALM = 1,  // 16- and 32-bit values big-endian on disk
};

// In modes 1 to 3 the window is a write-back buffer; a flush writes the valid window back
// when anything was written into it (a window that was only read is not rewritten, so a
// reader never changes the file or overwrites what another shared opener wrote). In mode 0
// ("pass-through") writes go straight to the file and the window only holds bytes read
// ahead, so that typed reads do not cost a system call each. Results, codes, messages and
// positions are those of reading and writing the file directly.
class QnBufferedFile : public QnFile {
public:
    static constexpr uint32_t kCapacity = 4096;

    QnBufferedFile();
    explicit QnBufferedFile(const char* path);
    ~QnBufferedFile() override;

    // A null error object is ignored; otherwise the file uses it (and no longer owns one).
    void SetErrorObject(QnAutoError* error);
    QnAutoError* GetErrorObject() const { return m_error; }
    // Accepts PLATFORM_PC or PLATFORM_PALM; any other value throws
    // "Unrecognized platform type in SetByteSwapMethod()".
    void SetByteSwapMethod(PlatformType platform);
    PlatformType GetByteSwapMethod() const { return m_swap; }

    void ReadN(void* buf, uint32_t n);
    void WriteN(const void* buf, uint32_t n);
    uint8_t ReadU8();
    uint16_t ReadU16();
    uint32_t ReadU32();
    void WriteU8(uint8_t value) { WriteN(&value, 1); }
    void WriteU16(uint16_t value);
    void WriteU32(uint32_t value);
    void SetPosition(uint32_t offset);
    void Skip(uint32_t n) { SetPosition(GetPosition() + n); }

    // Writes the window back (not in mode 0) and starts an empty one at the position.
    void Flush();
    bool IsPassThrough() const { return m_passThrough; }

    uint32_t GetPosition() override { return m_logicalPos; }
    QnResult Open(int mode) override;
    QnResult Close() override;
    uint32_t GetLength() override;
    QnResult SetLength(uint32_t length) override;
    QnResult Seek(int64_t offset, int whence) override;
    QnResult Read(void* buf, uint32_t* count) override;
    QnResult Write(const void* buf, uint32_t count) override;
    QnResult OpenGap(uint32_t n, int32_t length) override;
    QnResult CloseGap(uint32_t n, int32_t length) override;

private:
    bool TakeFromWindow(void* buf, uint32_t n);
    bool PutIntoWindow(const void* buf, uint32_t n);
    // Starts a new window at the position and fills it from the file, up to its length.
    void Refill();
    void ResetWindowAt(uint32_t offset);

    PlatformType m_swap = PLATFORM_PC;
    QnAutoError* m_error;
    bool m_ownsError = true;
    std::unique_ptr<uint8_t[]> m_buffer;
    uint32_t m_index = 0;
    uint32_t m_bufferStart = 0;
    uint32_t m_valid = 0;
    uint32_t m_lengthCache = 0;
    uint32_t m_logicalPos = 0;
    bool m_passThrough = false;
    bool m_dirty = false;
};

// The typed operations' common case, a value inside the window, is inline and costs no call.
inline bool QnBufferedFile::TakeFromWindow(void* buf, uint32_t n) {
    if (n > m_valid - m_index) return false;
    if (n > 0) std::memcpy(buf, m_buffer.get() + m_index, n);
    m_index += n;
    m_logicalPos += n;
    m_error->SetCode(QN_OK);
    return true;
}

inline bool QnBufferedFile::PutIntoWindow(const void* buf, uint32_t n) {
    if (m_passThrough || n > kCapacity - m_index) return false;
    if (n > 0) std::memcpy(m_buffer.get() + m_index, buf, n);
    m_index += n;
    m_logicalPos += n;
    if (m_valid < m_index) m_valid = m_index;
    m_dirty = true;
    m_error->SetCode(QN_OK);
    return true;
}

inline uint8_t QnBufferedFile::ReadU8() {
    uint8_t value;
    if (!TakeFromWindow(&value, 1)) ReadN(&value, 1);
    return value;
}

// Palm order is the byte-reversed host order; values are swapped whole, never assembled
// byte by byte, so the window copy stays one load or store.
inline uint16_t QnBufferedFile::ReadU16() {
    uint16_t value;
    if (!TakeFromWindow(&value, 2)) ReadN(&value, 2);
    return m_swap == PLATFORM_PALM ? __builtin_bswap16(value) : value;
}

inline uint32_t QnBufferedFile::ReadU32() {
    uint32_t value;
    if (!TakeFromWindow(&value, 4)) ReadN(&value, 4);
    return m_swap == PLATFORM_PALM ? __builtin_bswap32(value) : value;
}

inline void QnBufferedFile::WriteU16(uint16_t value) {
    if (m_swap == PLATFORM_PALM) value = __builtin_bswap16(value);
    if (!PutIntoWindow(&value, 2)) WriteN(&value, 2);
}

inline void QnBufferedFile::WriteU32(uint32_t value) {
    if (m_swap == PLATFORM_PALM) value = __builtin_bswap32(value);
    if (!PutIntoWindow(&value, 4)) WriteN(&value, 4);
}
