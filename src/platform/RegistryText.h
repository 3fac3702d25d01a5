// The registry file's text: a section "[ROOT\key]" per key, then one line per value,
// "name"=dword:0000002a, "name"="text" or "name"=hex(type):0a,0b; @ names the default value.
#pragma once

#include "platform/Registry.h"

#include <map>
#include <string>

namespace orvanta::platform {

struct RegistryKeyData {
    std::string name;                               // as first written
    std::map<std::string, std::string> valueNames;  // folded name -> name as written
    std::map<std::string, RegistryValue> values;    // by folded name
};

// Keys by their folded full path ("HKEY_CURRENT_USER\SOFTWARE\...").
using RegistryData = std::map<std::string, RegistryKeyData>;

// Upper-cases ASCII letters, so that names compare as the registry compares them.
std::string FoldRegistryName(const std::string& name);
std::string RegistryKeyPath(RegistryRoot root, const std::string& key);

// Lines that cannot be read are passed over; values before any section are dropped.
RegistryData ParseRegistryText(const std::string& text);
std::string RegistryTextOf(const RegistryData& data);

}  // namespace orvanta::platform
