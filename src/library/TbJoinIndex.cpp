// The join index: one pass over the joined Tabulon's records, first of equal values kept.
#include "library/TbJoinIndex.h"

#include "model/TbObjDB.h"
#include "model/TbObjRecord.h"

TbJoinIndex::TbJoinIndex(CTbObjDB& db, int slot, int joinType) : m_type(joinType) {
    CTbObjRecordList& records = db.Records();
    records.ClearSubset();
    int count = records.Count(true);
    if (m_type == TEXT_T)
        m_texts.reserve(static_cast<size_t>(count));
    else
        m_numbers.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        CTbObjRecord* record = records.RecordInStoredOrder(i);
        const CTbObjRecordValue* value = record->Value(slot);
        if (!value || value->GetType() != m_type) continue;
        if (m_type == TEXT_T)
            m_texts.try_emplace(value->GetText(), record);
        else
            m_numbers.try_emplace(NumberOf(*value, record), record);
    }
}

int64_t TbJoinIndex::NumberOf(const CTbObjRecordValue& value, const CTbObjRecord* record) const {
    switch (m_type) {
        case INTEGER_T:
            return value.GetShort();
        case DATE_T:
            return value.PackedDate();
        case KEY_T:
            // A record's key, or the key number a join value holds.
            return record ? static_cast<int64_t>(record->GetKey()) : static_cast<uint32_t>(value.GetLong());
        default:
            return value.GetLong();
    }
}

CTbObjRecord* TbJoinIndex::Find(const CTbObjRecordValue& joinValue) const {
    if (m_type == TEXT_T) {
        auto found = m_texts.find(joinValue.GetText());
        return found == m_texts.end() ? nullptr : found->second;
    }
    auto found = m_numbers.find(NumberOf(joinValue, nullptr));
    return found == m_numbers.end() ? nullptr : found->second;
}
