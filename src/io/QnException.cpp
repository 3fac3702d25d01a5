#include "io/QnException.h"

#include <cstring>

namespace {
constexpr uint32_t kEntryHeader = 8;  // id (u32) and length (u32) before each text
}

QnException& QnException::Instance() {
    static QnException instance;
    return instance;
}

QnFileException& QnFileException::Instance() {
    static QnFileException instance;
    return instance;
}

void QnException::Reset() {
    m_code = 0;
    m_used = 0;
}

QnResult QnException::SetCode(QnResult code) {
    if (m_code == 0) m_code = code;
    return m_code;
}

QnResult QnException::AddMessage(uint32_t id, const char* text) {
    uint32_t length = static_cast<uint32_t>(std::strlen(text)) + 1;
    if (m_used + kEntryHeader + length > kAreaSize) return QN_E_MESSAGES_FULL;
    std::memcpy(m_area + m_used, &id, 4);
    std::memcpy(m_area + m_used + 4, &length, 4);
    std::memcpy(m_area + m_used + kEntryHeader, text, length);
    m_used = static_cast<uint16_t>(m_used + kEntryHeader + length);
    return QN_OK;
}

template <typename Fn>
void QnException::ForEachEntry(uint32_t id, Fn&& fn) const {
    for (uint32_t at = 0; at + kEntryHeader <= m_used;) {
        uint32_t entryId = 0, length = 0;
        std::memcpy(&entryId, m_area + at, 4);
        std::memcpy(&length, m_area + at + 4, 4);
        const char* text = reinterpret_cast<const char*>(m_area + at + kEntryHeader);
        if (entryId == id && !fn(text)) return;
        at += kEntryHeader + length;
    }
}

QnResult QnException::GetMessages(uint32_t id, char* out, uint32_t max) const {
    if (!out) return QN_E_NO_MESSAGE_BUFFER;
    if (max > 0) out[0] = '\0';
    QnResult result = QN_OK;
    size_t used = 0;
    ForEachEntry(id, [&](const char* text) {
        size_t length = std::strlen(text);
        if (used + length + 2 + 1 > max) {
            result = QN_S_MESSAGES_TRUNCATED;
            return false;
        }
        std::memcpy(out + used, text, length);
        std::memcpy(out + used + length, ", ", 3);
        used += length + 2;
        return true;
    });
    return result;
}

std::string QnException::Messages(uint32_t id) const {
    std::string all;
    ForEachEntry(id, [&](const char* text) {
        all += text;
        all += ", ";
        return true;
    });
    return all;
}
