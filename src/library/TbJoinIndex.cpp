// The join index: one pass over the joined Tabulon's records into an open-addressing table
// (linear probing), the first of equal values kept.
#include "library/TbJoinIndex.h"

#include "model/TbObjDB.h"
#include "model/TbObjRecord.h"

#include <bit>
#include <functional>

namespace {

uint64_t MixNumber(int64_t number) {
    uint64_t x = static_cast<uint64_t>(number) + 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

}  // namespace

TbJoinIndex::TbJoinIndex(CTbObjDB& db, int slot, int joinType) : m_type(joinType) {
    CTbObjRecordList& records = db.Records();
    records.ClearSubset();
    int count = records.Count(true);
    m_table.resize(std::bit_ceil(static_cast<size_t>(count) * 2 + 2));
    for (int i = 0; i < count; ++i) {
        CTbObjRecord* record = records.RecordInStoredOrder(i);
        const CTbObjRecordValue* value = record->Value(slot);
        if (value && value->GetType() == m_type) Insert(KeyOf(*value, record));
    }
}

TbJoinIndex::Entry TbJoinIndex::KeyOf(const CTbObjRecordValue& value, const CTbObjRecord* record) const {
    Entry key;
    key.record = const_cast<CTbObjRecord*>(record);
    switch (m_type) {
        case TEXT_T:
            key.text = value.GetText();
            key.hash = std::hash<std::string_view>()(key.text);
            return key;
        case INTEGER_T:
            key.number = value.GetShort();
            break;
        case DATE_T:
            key.number = value.PackedDate();
            break;
        case KEY_T:
            // A record's key, or the key number a join value holds.
            key.number =
                record ? static_cast<int64_t>(record->GetKey()) : static_cast<uint32_t>(value.GetLong());
            break;
        default:
            key.number = value.GetLong();
            break;
    }
    key.hash = MixNumber(key.number);
    return key;
}

bool TbJoinIndex::SameKey(const Entry& a, const Entry& b) const {
    return a.hash == b.hash && (m_type == TEXT_T ? a.text == b.text : a.number == b.number);
}

void TbJoinIndex::Insert(const Entry& key) {
    size_t mask = m_table.size() - 1;
    for (size_t i = key.hash & mask;; i = (i + 1) & mask) {
        Entry& entry = m_table[i];
        if (!entry.record) {
            entry = key;
            return;
        }
        if (SameKey(entry, key)) return;  // an earlier record holds this value
    }
}

CTbObjRecord* TbJoinIndex::Find(const CTbObjRecordValue& joinValue) const {
    Entry key = KeyOf(joinValue, nullptr);
    size_t mask = m_table.size() - 1;
    for (size_t i = key.hash & mask;; i = (i + 1) & mask) {
        const Entry& entry = m_table[i];
        if (!entry.record) return nullptr;
        if (SameKey(entry, key)) return entry.record;
    }
}
