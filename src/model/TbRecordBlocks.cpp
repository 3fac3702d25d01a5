// TbRecordBlocks: records placed in blocks of 1,024 and the room of destroyed records reused.
#include "model/TbRecordBlocks.h"

#include "model/TbObjRecord.h"

#include <new>

static_assert(alignof(CTbObjRecord) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__,
              "a block of records is aligned as new aligns it");

CTbObjRecord* TbRecordBlocks::Create(CTbObjDB* db, uint32_t key) {
    return new (Room()) CTbObjRecord(db, key);
}

void TbRecordBlocks::Destroy(CTbObjRecord* record) {
    record->~CTbObjRecord();
    m_free.push_back(record);
}

void TbRecordBlocks::Clear() {
    m_blocks.clear();
    m_free.clear();
    m_usedInLast = kRecordsPerBlock;
}

void* TbRecordBlocks::Room() {
    if (!m_free.empty()) {
        void* room = m_free.back();
        m_free.pop_back();
        return room;
    }
    if (m_usedInLast == kRecordsPerBlock) {
        m_blocks.push_back(
            std::make_unique_for_overwrite<std::byte[]>(kRecordsPerBlock * sizeof(CTbObjRecord)));
        m_usedInLast = 0;
    }
    return m_blocks.back().get() + m_usedInLast++ * sizeof(CTbObjRecord);
}
