// A single registry value of the program over the platform's registry store.
#include "library/CQnRegEntry.h"

#include "platform/WinError.h"

#include <algorithm>
#include <cstring>

namespace pf = orvanta::platform;

namespace {
constexpr int32_t kFail = static_cast<int32_t>(0x80004005u);
}

CQnRegEntry::CQnRegEntry(const std::string& subKey, const std::string& valueName, pf::RegistryRoot root)
    : m_root(root), m_subKey("Software\\Quennel\\" + subKey), m_valueName(valueName) {}

int32_t CQnRegEntry::OpenOrCreateKey() {
    if (pf::RegistryOpenKey(m_root, m_subKey) == pf::WIN_ERROR_SUCCESS) return 0;
    return pf::RegistryCreateKey(m_root, m_subKey) == pf::WIN_ERROR_SUCCESS ? 1 : kFail;
}

int32_t CQnRegEntry::QueryValue(const std::string& name, uint8_t* buffer, uint32_t* type, uint32_t* size) {
    pf::RegistryValue value;
    if (pf::RegistryQueryValue(m_root, m_subKey, name, &value) != pf::WIN_ERROR_SUCCESS ||
        value.data.size() > kBufferSize) {
        *type = 0;
        *size = 0;
        return 1;
    }
    std::memcpy(buffer, value.data.data(), value.data.size());
    *type = value.type;
    *size = static_cast<uint32_t>(value.data.size());
    return *size == 0 ? 1 : 0;
}

int32_t CQnRegEntry::Read() {
    int32_t opened = OpenOrCreateKey();
    if (opened != 0) return opened;
    std::memset(m_buffer, 0, sizeof m_buffer);
    return QueryValue(m_valueName, m_buffer, &m_type, &m_size);
}

bool CQnRegEntry::WriteValue(const std::string& name, uint32_t type, const uint8_t* data, uint32_t size) {
    pf::RegistryValue value{type, std::string(reinterpret_cast<const char*>(data), size)};
    return pf::RegistrySetValue(m_root, m_subKey, name, value) == pf::WIN_ERROR_SUCCESS;
}

int32_t CQnRegEntry::Write() {
    int32_t opened = OpenOrCreateKey();
    if (opened < 0) return opened;
    return WriteValue(m_valueName, m_type, m_buffer, m_size) ? opened : kFail;
}

bool CQnRegEntry::GetBool() const { return m_type == pf::REG_DWORD && m_size != 0 && m_buffer[0] != 0; }

uint32_t CQnRegEntry::GetDword() const {
    uint32_t value = 0;
    if (m_type == pf::REG_DWORD && m_size == 4) std::memcpy(&value, m_buffer, 4);
    return value;
}

void CQnRegEntry::SetDword(uint32_t value) {
    m_type = pf::REG_DWORD;
    m_size = 4;
    std::memcpy(m_buffer, &value, 4);
}

size_t CQnRegEntry::GetString(char* out, size_t size) const {
    if (size == 0) return 0;
    out[0] = '\0';
    if (m_type != pf::REG_SZ) return 0;
    size_t length = strnlen(reinterpret_cast<const char*>(m_buffer), std::min<size_t>(m_size, kBufferSize));
    size_t copied = std::min(length, size - 1);
    std::memcpy(out, m_buffer, copied);
    out[copied] = '\0';
    return copied;
}

void CQnRegEntry::SetString(const std::string& text) {
    size_t length = std::min(text.size(), kBufferSize - 1);
    std::memcpy(m_buffer, text.data(), length);
    m_buffer[length] = 0;
    m_type = pf::REG_SZ;
    m_size = static_cast<uint32_t>(length + 1);
}
