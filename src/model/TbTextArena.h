// TbTextArena: the texts of a Tabulon's records kept in large blocks that are freed together;
// each stored text has its length in front, never moves, and lives as long as the arena.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

// A stored text is a 4-byte length followed by its bytes, starting on a 4-byte boundary.
inline std::string_view TbStoredTextView(const char* stored) {
    uint32_t length;
    std::memcpy(&length, stored, sizeof length);
    return {stored + sizeof length, length};
}

// The text as a record value keeps it: up to its first NUL, as the file's C strings end.
inline std::string_view TbTextBeforeNul(std::string_view text) {
    size_t nul = text.find('\0');
    return nul == std::string_view::npos ? text : text.substr(0, nul);
}

class TbTextArena {
public:
    TbTextArena() = default;
    TbTextArena(const TbTextArena&) = delete;
    TbTextArena& operator=(const TbTextArena&) = delete;

    // Stores the text (up to its first NUL) and returns the stored text; nullptr for an empty one.
    const char* Store(std::string_view text);
    // Frees every stored text at once.
    void Clear();
    // The bytes of all blocks (for measurements).
    size_t Capacity() const { return m_capacity; }

private:
    static constexpr size_t kBlockSize = 1 << 20;

    char* Allocate(size_t size);

    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_next = nullptr;
    size_t m_left = 0;
    size_t m_capacity = 0;
};
