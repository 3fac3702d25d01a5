// Reading and writing the registry file's text. Names and strings keep their Windows-1252
// bytes; a quote, a backslash and the control codes are written as escapes.
#include "platform/RegistryText.h"
#include "platform/TextLines.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace orvanta::platform {
namespace {

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", c);
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out.append("\"");
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads a quoted text starting at pos (at the opening quote); false when it is not closed.
bool ReadQuoted(const std::string& line, size_t* pos, std::string* out) {
    if (*pos >= line.size() || line[*pos] != '"') return false;
    for (size_t i = *pos + 1; i < line.size(); ++i) {
        char c = line[i];
        if (c == '"') {
            *pos = i + 1;
            return true;
        }
        if (c != '\\' || i + 1 >= line.size()) {
            *out += c;
            continue;
        }
        char next = line[++i];
        if (next == 'x' && i + 2 < line.size() && HexDigit(line[i + 1]) >= 0 && HexDigit(line[i + 2]) >= 0) {
            *out += static_cast<char>(HexDigit(line[i + 1]) * 16 + HexDigit(line[i + 2]));
            i += 2;
        } else {
            *out += next;
        }
    }
    return false;
}

std::string HexBytes(const std::string& data) {
    std::string out;
    for (size_t i = 0; i < data.size(); ++i) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned char>(data[i]));
        if (i) out += ',';
        out += pair;
    }
    return out;
}

bool ParseHexBytes(const std::string& text, std::string* out) {
    for (size_t i = 0; i < text.size();) {
        if (i + 1 >= text.size() || HexDigit(text[i]) < 0 || HexDigit(text[i + 1]) < 0) return false;
        *out += static_cast<char>(HexDigit(text[i]) * 16 + HexDigit(text[i + 1]));
        i += 2;
        if (i < text.size() && text[i++] != ',') return false;
    }
    return true;
}

// The value after "=": dword:XXXXXXXX, "text" or hex(type):bytes.
bool ParseData(const std::string& text, RegistryValue* value) {
    if (text.rfind("dword:", 0) == 0) {
        std::string digits = text.substr(6);
        if (digits.size() != 8) return false;
        uint32_t number = 0;
        for (char c : digits) {
            if (HexDigit(c) < 0) return false;
            number = number * 16 + static_cast<uint32_t>(HexDigit(c));
        }
        *value = RegistryDword(number);
        return true;
    }
    if (!text.empty() && text[0] == '"') {
        size_t pos = 0;
        std::string string;
        if (!ReadQuoted(text, &pos, &string) || pos != text.size()) return false;
        *value = RegistryString(string);
        return true;
    }
    size_t close = text.find("):");
    if (text.rfind("hex(", 0) != 0 || close == std::string::npos) return false;
    char* end = nullptr;
    unsigned long type = std::strtoul(text.c_str() + 4, &end, 16);
    if (end != text.c_str() + close) return false;
    value->type = static_cast<uint32_t>(type);
    value->data.clear();
    return ParseHexBytes(text.substr(close + 2), &value->data);
}

std::string DataText(const RegistryValue& value) {
    if (value.type == REG_DWORD && value.data.size() == 4) {
        char text[16];
        uint32_t number;
        std::memcpy(&number, value.data.data(), 4);
        std::snprintf(text, sizeof text, "dword:%08x", number);
        return text;
    }
    if (value.type == REG_SZ && !value.data.empty() && value.data.back() == '\0' &&
        value.data.find('\0') == value.data.size() - 1)
        return Quoted(value.data.substr(0, value.data.size() - 1));
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", value.type);
    return std::string(prefix).append(HexBytes(value.data));
}

void ParseValueLine(const std::string& line, RegistryKeyData* key) {
    std::string name;
    size_t pos = 0;
    if (line[0] == '@') {
        pos = 1;
    } else if (!ReadQuoted(line, &pos, &name)) {
        return;
    }
    if (pos >= line.size() || line[pos] != '=') return;
    RegistryValue value;
    if (!ParseData(line.substr(pos + 1), &value)) return;
    std::string folded = FoldRegistryName(name);
    key->valueNames[folded] = name;
    key->values[folded] = std::move(value);
}

}  // namespace

std::string FoldRegistryName(const std::string& name) {
    std::string folded = name;
    for (char& c : folded)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return folded;
}

std::string RegistryKeyPath(RegistryRoot root, const std::string& key) {
    std::string path = root == RegistryRoot::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
    size_t start = 0;
    while (start < key.size()) {
        size_t end = key.find('\\', start);
        if (end == std::string::npos) end = key.size();
        if (end > start) path.append("\\").append(key, start, end - start);
        start = end + 1;
    }
    return path;
}

RegistryData ParseRegistryText(const std::string& text) {
    RegistryData data;
    RegistryKeyData* current = nullptr;
    ForEachLine(text, [&](std::string_view line) {
        if (line.empty()) return;
        if (line.front() == '[' && line.back() == ']') {
            std::string name(line.substr(1, line.size() - 2));
            current = &data[FoldRegistryName(name)];
            if (current->name.empty()) current->name = name;
        } else if (current) {
            ParseValueLine(std::string(line), current);
        }
    });
    return data;
}

std::string RegistryTextOf(const RegistryData& data) {
    std::string text;
    for (const auto& [folded, key] : data) {
        text.append("[").append(key.name).append("]\n");
        for (const auto& [valueFolded, value] : key.values) {
            const std::string& name = key.valueNames.at(valueFolded);
            text.append(name.empty() ? std::string("@") : Quoted(name))
                .append("=")
                .append(DataText(value))
                .append("\n");
        }
        text += "\n";
    }
    return text;
}

}  // namespace orvanta::platform
