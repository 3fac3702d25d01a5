// TbReadWindow: moving and refilling the window in large reads from the file.
#include "pdb/TbReadWindow.h"

#include <algorithm>

namespace {
constexpr const char* kShortRead = "Couldn't read in all bytes in ReadN()";
}  // namespace

void TbReadWindow::SetPosition(uint32_t offset) {
    if (offset >= m_start && offset - m_start <= m_end) {
        m_pos = offset - m_start;
        return;
    }
    m_start = offset;
    m_pos = m_end = 0;
}

void TbReadWindow::Release() {
    m_bytes = {};
    m_start = m_pos = m_end = 0;
}

void TbReadWindow::Fill(uint32_t n) {
    uint32_t position = GetPosition();
    uint32_t length = m_file.GetLength();
    uint32_t left = position < length ? length - position : 0;
    m_error.Assert(n <= left, kShortRead, QN_E_ASSERT);
    uint32_t want = std::min(left, std::max(n, kWindowSize));
    if (m_bytes.size() < want) m_bytes.resize(std::max<size_t>(want, kWindowSize));
    m_file.SetPosition(position);
    m_file.ReadN(m_bytes.data(), want);
    m_start = position;
    m_pos = 0;
    m_end = want;
}
