#include "TextCase.h"

#include "platform/CodePage.h"

#include <array>
#include <cstdint>

namespace orvanta::expression {

namespace {

struct CharTables {
    std::array<bool, 256> letter{};
};

constexpr CharTables MakeTables() {
    CharTables tables;
    for (int c = 0; c < 256; ++c) {
        const bool ascii = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool latin = c >= 0xC0 && c != 0xD7 && c != 0xF7;
        const bool special = c == 0x83 || c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C ||
                             c == 0x9E || c == 0x9F || c == 0xAA || c == 0xB5 || c == 0xBA;
        tables.letter[c] = ascii || latin || special;
    }
    return tables;
}

constexpr CharTables kTables = MakeTables();

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

}  // namespace

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return kTables.letter[Byte(c)]; }
bool IsWordChar(char c) { return IsLetter(c) || IsDigit(c) || c == '_'; }
unsigned char FoldCase(char c) { return platform::LowerWindows1252(c); }

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}

int CompareIgnoreCase(std::string_view a, std::string_view b) {
    const size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i) {
        const int difference = int{FoldCase(a[i])} - int{FoldCase(b[i])};
        if (difference != 0) return difference;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

}  // namespace orvanta::expression
