// CQnRegEntryMulti: several named 32-bit values under one registry key, read and written
// together, each in its own 256-byte buffer.
#pragma once

#include "library/CQnRegEntry.h"

#include <map>
#include <string>

class CQnRegEntryMulti : public CQnRegEntry {
public:
    CQnRegEntryMulti(const std::string& subKey, const char* const* names, int count,
                     orvanta::platform::RegistryRoot root = orvanta::platform::RegistryRoot::CurrentUser);

    // 1 when the key was created or any value is missing, 0 when all were read, negative on failure.
    int32_t Read() override;
    // Every value as a 4-byte DWORD; 0x80004005 when any write fails (the others are still written).
    int32_t Write() override;
    // The DWORD of that name; 0 when there is none or it was not read as a DWORD.
    virtual uint32_t GetNamedDword(const std::string& name) const;
    virtual void SetNamedDword(const std::string& name, uint32_t value);

private:
    struct Slot {
        uint8_t buffer[kBufferSize] = {};
        uint32_t type = 0;
        uint32_t size = 0;
    };
    std::map<std::string, Slot> m_values;
};
