// QnException and QnFileException: the process-wide exceptions that the file layer throws
// (by pointer) when the system reports an error. Catchers read the code, then Reset().
#pragma once

#include "io/QnResult.h"

#include <cstdint>
#include <string>

class QnException {
public:
    static constexpr uint32_t kAreaSize = 4096;

    QnException() = default;
    virtual ~QnException() = default;
    QnException(const QnException&) = delete;
    QnException& operator=(const QnException&) = delete;

    // The process-wide instance.
    static QnException& Instance();

    // Code 0, message area empty.
    void Reset();
    // Keeps an earlier non-zero code and returns it; otherwise stores and returns the new one.
    QnResult SetCode(QnResult code);
    void GetCode(QnResult* out) const { *out = m_code; }
    QnResult GetCode() const { return m_code; }

    // Adds an entry (id, length with NUL, text); QN_E_MESSAGES_FULL when it does not fit.
    QnResult AddMessage(uint32_t id, const char* text);
    // Clears out, then appends every text stored under id, each followed by ", ". Stops with
    // QN_S_MESSAGES_TRUNCATED when the next text would not fit in max bytes (with the NUL).
    QnResult GetMessages(uint32_t id, char* out, uint32_t max) const;
    // Convenience: all texts under id joined as GetMessages does, without a size limit.
    std::string Messages(uint32_t id) const;

private:
    template <typename Fn>
    void ForEachEntry(uint32_t id, Fn&& fn) const;

    QnResult m_code = 0;
    uint8_t m_area[kAreaSize] = {};
    uint16_t m_used = 0;
};

class QnFileException : public QnException {
public:
    // The process-wide instance that QnFile::ReportError throws.
    static QnFileException& Instance();
};
