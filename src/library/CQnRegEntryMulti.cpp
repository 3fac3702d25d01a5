// Named DWORD values of one key, as the preferences keep column widths and window placement.
#include "library/CQnRegEntryMulti.h"

#include <cstring>

namespace pf = orvanta::platform;

CQnRegEntryMulti::CQnRegEntryMulti(const std::string& subKey, const char* const* names, int count,
                                   pf::RegistryRoot root)
    : CQnRegEntry(subKey, "", root) {
    for (int i = 0; i < count; ++i) m_values[names[i]];
}

int32_t CQnRegEntryMulti::Read() {
    int32_t opened = OpenOrCreateKey();
    if (opened != 0) return opened;
    int32_t result = 0;
    for (auto& [name, slot] : m_values) {
        std::memset(slot.buffer, 0, sizeof slot.buffer);
        if (QueryValue(name, slot.buffer, &slot.type, &slot.size) != 0) result = 1;
    }
    return result;
}

int32_t CQnRegEntryMulti::Write() {
    int32_t result = OpenOrCreateKey();
    if (result < 0) return result;
    for (const auto& [name, slot] : m_values) {
        uint32_t value = GetNamedDword(name);
        if (!WriteValue(name, pf::REG_DWORD, reinterpret_cast<const uint8_t*>(&value), 4))
            result = static_cast<int32_t>(0x80004005u);
    }
    return result;
}

uint32_t CQnRegEntryMulti::GetNamedDword(const std::string& name) const {
    auto found = m_values.find(name);
    if (found == m_values.end() || found->second.type != pf::REG_DWORD || found->second.size < 4) return 0;
    uint32_t value;
    std::memcpy(&value, found->second.buffer, 4);
    return value;
}

void CQnRegEntryMulti::SetNamedDword(const std::string& name, uint32_t value) {
    Slot& slot = m_values[name];
    slot.type = pf::REG_DWORD;
    slot.size = 4;
    std::memcpy(slot.buffer, &value, 4);
}
