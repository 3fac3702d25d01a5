// JsonWriter: separators, indentation, string escaping and number forms as nlohmann-json's
// dump(2) writes them.
#include "cli/JsonWriter.h"

#include "platform/CodePage.h"

#include <nlohmann/json.hpp>

#include <array>
#include <charconv>
#include <cmath>

namespace orvanta::cli {
namespace {

// The UTF-8 form of each Windows-1252 byte.
const std::array<std::string, 256>& Utf8Table() {
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> utf8;
        for (int b = 0; b < 256; ++b) {
            char c = static_cast<char>(b);
            utf8[b] = platform::Utf8FromWindows1252(std::string_view(&c, 1));
        }
        return utf8;
    }();
    return table;
}

// The escape of a character that JSON does not allow in a string as it is; "" for the others.
std::string_view Escape(unsigned char c, char* buffer) {
    switch (c) {
        case '"':
            return "\\\"";
        case '\\':
            return "\\\\";
        case '\b':
            return "\\b";
        case '\f':
            return "\\f";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\t':
            return "\\t";
        default:
            break;
    }
    if (c > 0x1F) return {};
    static constexpr char kHex[] = "0123456789abcdef";
    std::string_view prefix = "\\u00";
    prefix.copy(buffer, prefix.size());
    buffer[4] = kHex[c >> 4];
    buffer[5] = kHex[c & 15];
    return {buffer, 6};
}

}  // namespace

JsonWriter& JsonWriter::Key(std::string_view key) {
    BeforeValue();
    Quoted(key, false);
    m_text += ": ";
    m_afterKey = true;
    return *this;
}

void JsonWriter::Text(std::string_view windows1252) {
    BeforeValue();
    Quoted(windows1252, true);
}

void JsonWriter::String(std::string_view utf8) {
    BeforeValue();
    Quoted(utf8, false);
}

void JsonWriter::Null() {
    BeforeValue();
    m_text += "null";
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    m_text += value ? "true" : "false";
}

void JsonWriter::Signed(int64_t value) {
    BeforeValue();
    char digits[24];
    m_text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void JsonWriter::Unsigned(uint64_t value) {
    BeforeValue();
    char digits[24];
    m_text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void JsonWriter::Double(double value) {
    BeforeValue();
    if (!std::isfinite(value)) {
        m_text += "null";
        return;
    }
    // The same shortest-form conversion the JSON library uses for its documents.
    char digits[64];
    m_text.append(digits, nlohmann::detail::to_chars(digits, digits + sizeof digits, value));
}

void JsonWriter::Clear() {
    m_text.clear();
    m_empty.clear();
    m_afterKey = false;
}

void JsonWriter::Flush() {
    if (!m_out || m_text.empty()) return;
    m_out->write(m_text.data(), static_cast<std::streamsize>(m_text.size()));
    m_text.clear();
}

// A separator and the indentation before a value in an array or a key in an object; nothing
// after a key or at the top.
void JsonWriter::BeforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_empty.empty()) return;
    m_text += m_empty.back() ? "\n" : ",\n";
    m_empty.back() = false;
    Indent();
    FlushIfFull();
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    m_text += bracket;
    m_empty.push_back(true);
}

void JsonWriter::Close(char bracket) {
    bool empty = m_empty.back();
    m_empty.pop_back();
    if (!empty) {
        m_text += '\n';
        Indent();
    }
    m_text += bracket;
}

void JsonWriter::Indent() { m_text.append(2 * m_empty.size(), ' '); }

void JsonWriter::Quoted(std::string_view text, bool fromWindows1252) {
    const auto& utf8 = Utf8Table();
    char buffer[8];
    m_text += '"';
    for (char c : text) {
        auto b = static_cast<unsigned char>(c);
        if (std::string_view escaped = Escape(b, buffer); !escaped.empty())
            m_text += escaped;
        else if (fromWindows1252 && b >= 0x80)
            m_text += utf8[b];
        else
            m_text += c;
    }
    m_text += '"';
}

}  // namespace orvanta::cli
