// TbRecordBlocks: the memory of a record list's records, taken in blocks of many records, so
// that the largest Tabulon's records cost a few dozen allocations and are freed together.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class CTbObjDB;
class CTbObjRecord;

class TbRecordBlocks {
public:
    TbRecordBlocks() = default;
    TbRecordBlocks(const TbRecordBlocks&) = delete;
    TbRecordBlocks& operator=(const TbRecordBlocks&) = delete;
    // Every record created here must have been destroyed before.
    ~TbRecordBlocks() = default;

    // A new record in the room a destroyed one left, else at the end of the last block.
    CTbObjRecord* Create(CTbObjDB* db, uint32_t key);
    // Ends the record; its room is used by the next record created.
    void Destroy(CTbObjRecord* record);
    // Frees every block at once; every record created here must have been destroyed.
    void Clear();

private:
    static constexpr size_t kRecordsPerBlock = 1024;

    void* Room();

    std::vector<std::unique_ptr<std::byte[]>> m_blocks;
    size_t m_usedInLast = kRecordsPerBlock;  // records placed in the last block
    std::vector<void*> m_free;               // room of destroyed records
};
