// Text helpers of the object model: case-insensitive comparison in the Windows-1252 code
// page that every Tabulon text uses, and the compact text that record values store.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

// The lower-case form of a Windows-1252 character (A-Z, the accented capitals, Š Œ Ž Ÿ).
char FoldCase(char c);
// -1, 0 or 1: the texts compared ignoring case, byte by byte after folding.
int CompareNoCase(std::string_view a, std::string_view b);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWith(std::string_view text, std::string_view prefix, bool ignoreCase);
bool Contains(std::string_view text, std::string_view part, bool ignoreCase);

// A text kept in one heap block with its terminating NUL; an empty text costs no allocation.
// Like the C strings the Tabulon format is made of, it ends at its first NUL.
class TbCompactText {
public:
    TbCompactText() = default;
    TbCompactText(const TbCompactText& other) { Assign(other.View()); }
    TbCompactText& operator=(const TbCompactText& other) {
        if (this != &other) Assign(other.View());
        return *this;
    }
    TbCompactText(TbCompactText&&) noexcept = default;
    TbCompactText& operator=(TbCompactText&&) noexcept = default;

    std::string_view View() const { return m_text ? std::string_view(m_text.get()) : std::string_view(); }
    bool Empty() const { return !m_text; }
    void Assign(std::string_view text);
    void Clear() { m_text.reset(); }

private:
    std::unique_ptr<char[]> m_text;
};
