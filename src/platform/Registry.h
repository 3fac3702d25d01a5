// The registry of this desktop: keys as backslash paths under HKEY_CURRENT_USER and
// HKEY_LOCAL_MACHINE holding typed values, kept in one file that every change rewrites atomically.
#pragma once

#include <cstdint>
#include <string>

namespace orvanta::platform {

enum class RegistryRoot { CurrentUser, LocalMachine };

// Registry value types (winnt.h).
inline constexpr uint32_t REG_NONE = 0;
inline constexpr uint32_t REG_SZ = 1;
inline constexpr uint32_t REG_BINARY = 3;
inline constexpr uint32_t REG_DWORD = 4;

// One value as the registry holds it: its type and its bytes (a string with its NUL).
struct RegistryValue {
    uint32_t type = REG_NONE;
    std::string data;
};

RegistryValue RegistryDword(uint32_t number);
RegistryValue RegistryString(const std::string& text);

// The file the registry lives in: $ORVANTA_REGISTRY, else
// ${XDG_CONFIG_HOME:-$HOME/.config}/orvanta/registry.
std::string RegistryFilePath();

// Key and value names compare without regard to case; an empty value name is the key's
// default value. Every call returns 0 or a Windows error number.
// WIN_ERROR_FILE_NOT_FOUND when the key does not exist.
uint32_t RegistryOpenKey(RegistryRoot root, const std::string& key);
// Creates the key (and the folder of the registry file) when missing.
uint32_t RegistryCreateKey(RegistryRoot root, const std::string& key);
// WIN_ERROR_FILE_NOT_FOUND when the key or the value does not exist.
uint32_t RegistryQueryValue(RegistryRoot root, const std::string& key, const std::string& name,
                            RegistryValue* value);
// Writes the value, creating the key when missing. The whole change runs under a lock held
// across the read and the write, so that concurrent writers never lose each other's values.
uint32_t RegistrySetValue(RegistryRoot root, const std::string& key, const std::string& name,
                          const RegistryValue& value);
uint32_t RegistryDeleteValue(RegistryRoot root, const std::string& key, const std::string& name);

}  // namespace orvanta::platform
