#include "io/QnBufferedFile.h"

#include "platform/WinError.h"

#include <algorithm>

QnBufferedFile::QnBufferedFile() : m_error(new QnAutoError), m_buffer(new uint8_t[kCapacity]) {}

QnBufferedFile::QnBufferedFile(const char* path) : QnBufferedFile() { SetPath(path); }

QnBufferedFile::~QnBufferedFile() {
    try {
        Close();
    } catch (...) {
        // A failure while writing the window back cannot be reported from here; callers that
        // need to know close the file themselves.
    }
    if (m_ownsError) delete m_error;
}

void QnBufferedFile::SetErrorObject(QnAutoError* error) {
    if (!error) return;
    if (m_ownsError) delete m_error;
    m_error = error;
    m_ownsError = false;
}

void QnBufferedFile::SetByteSwapMethod(PlatformType platform) {
    if (platform != PLATFORM_PC && platform != PLATFORM_PALM)
        m_error->Assert(false, "Unrecognized platform type in SetByteSwapMethod()", QN_E_ASSERT);
    m_swap = platform;
}

void QnBufferedFile::ReadN(void* buf, uint32_t n) {
    if (TakeFromWindow(buf, n)) return;
    uint32_t count = n;
    m_error->SetCode(Read(buf, &count));
    m_error->Check("Problem reading from file in ReadN()");
    m_error->Assert(count == n, "Couldn't read in all bytes in ReadN()", QN_E_ASSERT);
}

void QnBufferedFile::WriteN(const void* buf, uint32_t n) {
    if (PutIntoWindow(buf, n)) return;
    m_error->SetCode(Write(buf, n));
    m_error->Check("Problem writing to file in WriteN()");
}

void QnBufferedFile::SetPosition(uint32_t offset) {
    m_error->SetCode(Seek(offset, QN_SEEK_BEGIN));
    m_error->Check("Problem setting file position in SetPosition()");
}

void QnBufferedFile::ResetWindowAt(uint32_t offset) {
    m_bufferStart = m_logicalPos = offset;
    m_index = m_valid = 0;
    m_dirty = false;
}

void QnBufferedFile::Flush() {
    if (!IsOpen()) return;
    if (m_dirty && m_valid > 0) {
        QnFile::Seek(m_bufferStart, QN_SEEK_BEGIN);
        QnFile::Write(m_buffer.get(), m_valid);
        // What was just written is all that changed the length on this side; asking the
        // system again would cost as much as the write itself.
        m_lengthCache = std::max(m_lengthCache, m_bufferStart + m_valid);
    } else {
        m_lengthCache = QnFile::GetLength();
    }
    QnFile::Seek(m_logicalPos, QN_SEEK_BEGIN);
    ResetWindowAt(m_logicalPos);
}

void QnBufferedFile::Refill() {
    ResetWindowAt(m_logicalPos);
    uint32_t want = m_lengthCache > m_bufferStart ? std::min(kCapacity, m_lengthCache - m_bufferStart) : 0;
    uint32_t got = want;
    if (want > 0) {
        QnFile::Seek(m_bufferStart, QN_SEEK_BEGIN);
        QnFile::Read(m_buffer.get(), &got);
    }
    // Only bytes really read count: a write-only handle reads nothing, and a window of
    // unread bytes must never be written back over the file.
    m_valid = got;
}

QnResult QnBufferedFile::Open(int mode) {
    QnFile::Open(mode);
    m_passThrough = mode == QN_OPEN_READ;
    ResetWindowAt(0);
    m_lengthCache = QnFile::GetLength();
    return Seek(0, QN_SEEK_BEGIN);
}

QnResult QnBufferedFile::Close() {
    if (IsOpen()) Flush();
    QnResult rc = QnFile::Close();
    ResetWindowAt(0);
    m_passThrough = false;
    return rc;
}

uint32_t QnBufferedFile::GetLength() {
    if (IsOpen() && !m_passThrough) Flush();
    return QnFile::GetLength();
}

QnResult QnBufferedFile::SetLength(uint32_t length) {
    // The window is written back and dropped first, so that it can never regrow the file.
    Flush();
    QnResult rc = QnFile::SetLength(length);
    ResetWindowAt(QnFile::GetPosition());
    m_lengthCache = QnFile::GetLength();
    return rc;
}

QnResult QnBufferedFile::Seek(int64_t offset, int whence) {
    if (whence == QN_SEEK_BEGIN && offset >= m_bufferStart && offset <= int64_t{m_bufferStart} + m_valid) {
        m_index = static_cast<uint32_t>(offset - m_bufferStart);
        m_logicalPos = static_cast<uint32_t>(offset);
        return QN_OK;
    }
    if (!IsOpen()) return QnFile::Seek(offset, whence);
    Flush();
    QnResult rc = QnFile::Seek(offset, whence);
    if (rc != QN_OK) return rc;
    ResetWindowAt(QnFile::GetPosition());
    return QN_OK;
}

QnResult QnBufferedFile::Read(void* buf, uint32_t* count) {
    auto* out = static_cast<uint8_t*>(buf);
    uint32_t want = *count;
    uint32_t fromWindow = std::min(want, m_valid - m_index);
    if (fromWindow > 0) std::memcpy(out, m_buffer.get() + m_index, fromWindow);
    m_index += fromWindow;
    m_logicalPos += fromWindow;
    if (fromWindow == want) return QN_OK;

    Flush();
    uint32_t remaining = want - fromWindow;
    remaining = m_logicalPos < m_lengthCache ? std::min(remaining, m_lengthCache - m_logicalPos) : 0;
    uint32_t got = remaining;
    if (remaining >= kCapacity) {
        // Large reads go straight into the caller's memory, then a new window follows them.
        QnFile::Read(out + fromWindow, &got);
        m_logicalPos += got;
        Refill();
    } else {
        Refill();
        got = std::min(remaining, m_valid);
        if (got > 0) std::memcpy(out + fromWindow, m_buffer.get(), got);
        m_index = got;
        m_logicalPos += got;
    }
    *count = fromWindow + got;
    return QN_OK;
}

QnResult QnBufferedFile::Write(const void* buf, uint32_t count) {
    auto* in = static_cast<const uint8_t*>(buf);
    if (m_passThrough) {
        Flush();
        QnFile::Write(in, count);
        ResetWindowAt(m_logicalPos + count);
        return QN_OK;
    }
    if (PutIntoWindow(in, count)) return QN_OK;
    uint32_t filled = 0;
    if (m_valid > 0) {
        filled = kCapacity - m_index;
        if (filled > 0) std::memcpy(m_buffer.get() + m_index, in, filled);
        m_index = m_valid = kCapacity;
        m_logicalPos += filled;
        m_dirty = true;
    }
    Flush();
    uint32_t remaining = count - filled;
    if (remaining >= kCapacity) {
        QnFile::Write(in + filled, remaining);
        m_logicalPos += remaining;
        m_lengthCache = std::max(m_lengthCache, m_logicalPos);
        Refill();
    } else {
        Refill();
        PutIntoWindow(in + filled, remaining);
    }
    return QN_OK;
}

QnResult QnBufferedFile::OpenGap(uint32_t n, int32_t length) {
    Flush();
    uint32_t pos = m_logicalPos;
    QnResult rc = MoveBytes(pos, pos + n, GapExtent(pos, length), m_buffer.get(), kCapacity);
    QnFile::Seek(pos, QN_SEEK_BEGIN);
    ResetWindowAt(pos);
    m_lengthCache = QnFile::GetLength();
    if (rc == QN_OK) SetPosition(pos);
    return rc;
}

QnResult QnBufferedFile::CloseGap(uint32_t n, int32_t length) {
    Flush();
    uint32_t pos = m_logicalPos;
    if (n > pos) return QnWinErrorCode(orvanta::platform::WIN_ERROR_NEGATIVE_SEEK);
    QnResult rc = MoveBytes(pos, pos - n, GapExtent(pos, length), m_buffer.get(), kCapacity);
    QnFile::Seek(pos - n, QN_SEEK_BEGIN);
    ResetWindowAt(pos - n);
    m_lengthCache = QnFile::GetLength();
    if (rc == QN_OK) SetPosition(pos - n);
    return rc;
}
