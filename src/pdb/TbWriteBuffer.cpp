// TbWriteBuffer: handing the gathered bytes to the file, one block at a time.
#include "pdb/TbWriteBuffer.h"

void TbWriteBuffer::Flush() {
    if (m_used == 0) return;
    uint32_t used = m_used;
    m_used = 0;  // a failing write leaves nothing behind to be written again
    m_file.WriteN(m_bytes.get(), used);
}

void TbWriteBuffer::SetPosition(uint32_t offset) {
    Flush();
    m_file.SetPosition(offset);
}

void TbWriteBuffer::Release() {
    m_used = 0;
    m_bytes.reset();
}

void TbWriteBuffer::MakeRoom(uint32_t n) {
    Flush();
    if (!m_bytes) m_bytes = std::make_unique_for_overwrite<uint8_t[]>(kBlockSize);
    (void)n;  // every n that reaches here fits an empty block
}

void TbWriteBuffer::WriteLarge(const void* bytes, uint32_t n) {
    Flush();
    m_file.WriteN(bytes, n);
}
