// Windows-1252 <-> UTF-8: the bytes 0x80-0x9F through a table, every other byte is the code
// point of the same number (Latin-1), as Windows' own conversion tables give them.
#include "platform/CodePage.h"

#include <array>
#include <cstdint>

namespace orvanta::platform {
namespace {

constexpr std::array<unsigned char, 256> MakeLowerCase() {
    std::array<unsigned char, 256> lower{};
    for (int c = 0; c < 256; ++c) lower[c] = static_cast<unsigned char>(c);
    for (int c = 'A'; c <= 'Z'; ++c) lower[c] = static_cast<unsigned char>(c + 0x20);
    for (int c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7) lower[c] = static_cast<unsigned char>(c + 0x20);
    lower[0x8A] = 0x9A;  // Š
    lower[0x8C] = 0x9C;  // Œ
    lower[0x8E] = 0x9E;  // Ž
    lower[0x9F] = 0xFF;  // Ÿ
    return lower;
}

constexpr std::array<unsigned char, 256> kLowerCase = MakeLowerCase();

// The characters of bytes 0x80 to 0x9F; the unmapped ones keep their C1 control.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t CodePointOf(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte;
}

void AppendUtf8(char32_t cp, std::string* out) {
    if (cp < 0x80) {
        out->push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// The Windows-1252 byte of a code point, or -1 when it has none.
int ByteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp) return static_cast<int>(0x80 + i);
    return -1;
}

// Decodes one UTF-8 sequence at text[*pos] and moves past it; false (having moved past the
// first byte only) for a malformed, overlong or surrogate sequence.
bool NextCodePoint(std::string_view text, size_t* pos, char32_t* cp) {
    unsigned char lead = static_cast<unsigned char>(text[(*pos)++]);
    if (lead < 0x80) return *cp = lead, true;
    int extra = lead >= 0xF0 && lead <= 0xF4 ? 3
                : lead >= 0xE0               ? (lead <= 0xEF ? 2 : -1)
                : lead >= 0xC2               ? 1
                                             : -1;
    if (extra < 0 || *pos + static_cast<size_t>(extra) > text.size()) return false;
    char32_t value = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        unsigned char next = static_cast<unsigned char>(text[*pos + i]);
        if ((next & 0xC0) != 0x80) return false;
        value = (value << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (value < kSmallest[extra] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
    *pos += static_cast<size_t>(extra);
    *cp = value;
    return true;
}

}  // namespace

std::string Utf8FromWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) AppendUtf8(CodePointOf(static_cast<unsigned char>(c)), &out);
    return out;
}

bool Windows1252FromUtf8(std::string_view text, std::string* out) {
    out->clear();
    out->reserve(text.size());
    bool complete = true;
    for (size_t pos = 0; pos < text.size();) {
        char32_t cp = 0;
        int byte = NextCodePoint(text, &pos, &cp) ? ByteOf(cp) : -1;
        if (byte < 0) complete = false;
        out->push_back(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return complete;
}

unsigned char LowerWindows1252(char c) { return kLowerCase[static_cast<unsigned char>(c)]; }

}  // namespace orvanta::platform
