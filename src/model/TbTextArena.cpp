// TbTextArena: bump allocation of stored texts inside 1 MB blocks; a text larger than a block
// gets a block of its own.
#include "model/TbTextArena.h"

namespace {

constexpr size_t kAlignment = alignof(uint32_t);

size_t Aligned(size_t size) { return (size + kAlignment - 1) & ~(kAlignment - 1); }

}  // namespace

const char* TbTextArena::Store(std::string_view text) {
    text = TbTextBeforeNul(text);
    if (text.empty()) return nullptr;
    auto length = static_cast<uint32_t>(text.size());
    char* stored = Allocate(Aligned(sizeof length + text.size()));
    std::memcpy(stored, &length, sizeof length);
    std::memcpy(stored + sizeof length, text.data(), text.size());
    return stored;
}

char* TbTextArena::Allocate(size_t size) {
    if (size > m_left) {
        size_t blockSize = size > kBlockSize ? size : kBlockSize;
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(blockSize));
        m_capacity += blockSize;
        m_next = m_blocks.back().get();
        m_left = blockSize;
    }
    char* place = m_next;
    m_next += size;
    m_left -= size;
    return place;
}

void TbTextArena::Clear() {
    m_blocks.clear();
    m_next = nullptr;
    m_left = 0;
    m_capacity = 0;
}
