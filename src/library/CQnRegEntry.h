// CQnRegEntry: one registry value under a key below "Software\Quennel\", read into and written
// from a 256-byte buffer; the key is created on first use and a missing value is reported.
#pragma once

#include "platform/Registry.h"

#include <cstddef>
#include <cstdint>
#include <string>

class CQnRegEntry {
public:
    static constexpr size_t kBufferSize = 256;

    // valueName empty: the key's default value.
    CQnRegEntry(const std::string& subKey, const std::string& valueName,
                orvanta::platform::RegistryRoot root = orvanta::platform::RegistryRoot::CurrentUser);
    virtual ~CQnRegEntry() = default;

    // 1 when the key was created or the value is missing (the caller supplies the default),
    // 0 when read, 0x80004005 when the key can be neither opened nor created.
    virtual int32_t Read();
    // 0 or 1 as the key was opened or created; 0x80004005 when it or the value cannot be written.
    virtual int32_t Write();
    // The low byte of a DWORD value; false for any other type or no data.
    virtual bool GetBool() const;
    // A DWORD value; 0 for any other type or no data.
    virtual uint32_t GetDword() const;
    virtual void SetDword(uint32_t value);
    // Copies at most size - 1 bytes of a string value into out and ends it with a zero;
    // the number copied (0 and an empty out for any other type).
    virtual size_t GetString(char* out, size_t size) const;
    // At most 255 characters are kept.
    virtual void SetString(const std::string& text);
    // 0 opened, 1 created, 0x80004005 neither.
    virtual int32_t OpenOrCreateKey();
    // Reads the value into buffer (kBufferSize bytes): 0 read, 1 missing, empty or too long.
    virtual int32_t QueryValue(const std::string& name, uint8_t* buffer, uint32_t* type, uint32_t* size);

    const std::string& SubKey() const { return m_subKey; }
    uint32_t Type() const { return m_type; }
    uint32_t Size() const { return m_size; }
    void Preset(uint32_t type, uint32_t size) { m_type = type, m_size = size; }

protected:
    // Writes one value of the key; false when the store refuses it.
    bool WriteValue(const std::string& name, uint32_t type, const uint8_t* data, uint32_t size);

    orvanta::platform::RegistryRoot m_root;
    std::string m_subKey;
    std::string m_valueName;
    uint8_t m_buffer[kBufferSize] = {};
    uint32_t m_type = 0;
    uint32_t m_size = 0;
};
