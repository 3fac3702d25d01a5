// TbJoinIndex: the records of a joined Tabulon by their value of the join field, so that each
// record's join value finds its matched record without scanning the joined Tabulon again.
#pragma once

#include "model/TbTypes.h"

#include <cstdint>
#include <string_view>
#include <vector>

class CTbObjDB;
class CTbObjRecord;
class CTbObjRecordValue;

class TbJoinIndex {
public:
    // Indexes every record of db (its filtered subset is cleared first) by its value of the
    // join field slot, keeping only values of type joinType; of equal values the first in
    // record-list order is kept. db must not change while the index is used.
    TbJoinIndex(CTbObjDB& db, int slot, int joinType);

    // The first record whose value equals the join value (which has the join type): Text byte
    // for byte, Integer as 16 bits, Long and Auto Incremental as 32 bits, Date by year, month
    // and day, Key by the record's key. None when no record matches.
    CTbObjRecord* Find(const CTbObjRecordValue& joinValue) const;

private:
    // One place of the open-addressing table; no record: empty.
    struct Entry {
        uint64_t hash = 0;
        std::string_view text;
        int64_t number = 0;
        CTbObjRecord* record = nullptr;
    };
    // What a value is matched by: its text (Text) or its number (every other join type).
    Entry KeyOf(const CTbObjRecordValue& value, const CTbObjRecord* record) const;
    bool SameKey(const Entry& a, const Entry& b) const;
    void Insert(const Entry& key);

    int m_type;
    std::vector<Entry> m_table;  // a power of two long, at most half full
};
