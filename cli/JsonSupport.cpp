// The shared conversions of the JSON export: one-character codes, ISO dates and times,
// shortest float forms, base64 and hexadecimal.
#include "cli/JsonSupport.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace orvanta::cli {

void WriteChar(JsonWriter& out, char c) {
    if (c == '\0')
        out.String("");
    else
        out.Text(std::string_view(&c, 1));
}

std::string IsoDate(int year, int month, int day) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::string IsoTime(int hour, int minute, int second) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hour, minute, second);
    return text;
}

double JsonFloat(float value) {
    char text[64];
    auto result = std::to_chars(text, text + sizeof text - 1, value);
    *result.ptr = '\0';
    return std::strtod(text, nullptr);
}

std::string Base64(const std::vector<uint8_t>& bytes) {
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        uint32_t group = static_cast<uint32_t>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) group |= static_cast<uint32_t>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size()) group |= bytes[i + 2];
        out.push_back(kDigits[(group >> 18) & 63]);
        out.push_back(kDigits[(group >> 12) & 63]);
        out.push_back(i + 1 < bytes.size() ? kDigits[(group >> 6) & 63] : '=');
        out.push_back(i + 2 < bytes.size() ? kDigits[group & 63] : '=');
    }
    return out;
}

std::string Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        out.push_back(kDigits[b >> 4]);
        out.push_back(kDigits[b & 15]);
    }
    return out;
}

}  // namespace orvanta::cli
