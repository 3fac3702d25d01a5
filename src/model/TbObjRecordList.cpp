// Records and the record collection: adding, removing, and the filtered, sorted subset.
#include "model/TbObjDB.h"
#include "model/TbObjRecord.h"
#include "model/TbSetter.h"

#include <algorithm>

void CTbObjRecord::SetKey(uint32_t key) {
    m_key = key;
    TbMarkModified(m_db);
}

void CTbObjRecord::InitValues(bool applyDefaults) {
    if (!m_db) return;
    for (int slot = 0; slot < MaxFieldSlots; ++slot) {
        const CTbObjField* field = m_db->Field(slot);
        m_values[slot].SetType(static_cast<uint16_t>(field->GetType()));
        m_values[slot].Reset(field, applyDefaults);
    }
}

void CTbObjRecord::InitFreshValues() {
    if (!m_db) return;
    for (int slot = 0; slot < MaxFieldSlots; ++slot)
        m_values[slot].SetType(static_cast<uint16_t>(m_db->Field(slot)->GetType()));
}

std::unique_ptr<CTbObjRecord> CTbObjRecord::Copy() const {
    auto copy = std::make_unique<CTbObjRecord>(nullptr, m_key);
    copy->m_uniqueId = m_uniqueId;
    copy->m_values = m_values;
    return copy;
}

CTbObjRecordList::~CTbObjRecordList() { DestroyRecords(); }

void CTbObjRecordList::DestroyRecords() {
    for (CTbObjRecord* record : m_records) record->~CTbObjRecord();
    m_records.clear();
    m_blocks.Clear();
}

void CTbObjRecordList::MarkModified() { TbMarkModified(m_db); }

CTbObjRecord* CTbObjRecordList::AddRecord(bool assignKey, bool applyDefaults) {
    if (assignKey) ++m_nextKey;
    // Room first, so that a record is never created without its place; the list doubles, so
    // that adding records one by one does not copy it each time.
    if (m_records.size() == m_records.capacity())
        m_records.reserve(std::max<size_t>(16, 2 * m_records.size()));
    CTbObjRecord* added = m_blocks.Create(m_db, m_nextKey);
    m_records.push_back(added);
    if (applyDefaults)
        added->InitValues(true);
    else
        added->InitFreshValues();
    if (m_subsetActive) m_subset.push_back(added);
    MarkModified();
    return added;
}

int CTbObjRecordList::Count(bool all) const {
    return static_cast<int>(m_subsetActive && !all ? m_subset.size() : m_records.size());
}

CTbObjRecord* CTbObjRecordList::Record(int position) const {
    if (!m_subsetActive) return RecordInStoredOrder(position);
    return position >= 0 && position < static_cast<int>(m_subset.size()) ? m_subset[position] : nullptr;
}

CTbObjRecord* CTbObjRecordList::RecordInStoredOrder(int position) const {
    return position >= 0 && position < static_cast<int>(m_records.size()) ? m_records[position] : nullptr;
}

void CTbObjRecordList::RemoveRecord(CTbObjRecord* record) {
    if (m_subsetActive) m_subset.erase(std::remove(m_subset.begin(), m_subset.end(), record), m_subset.end());
    auto found = std::find(m_records.begin(), m_records.end(), record);
    if (found == m_records.end()) return;
    m_records.erase(found);
    m_blocks.Destroy(record);
    MarkModified();
}

void CTbObjRecordList::DeleteAllRecords() {
    ClearSubset();
    DestroyRecords();
    m_texts.Clear();
    MarkModified();
}

void CTbObjRecordList::ClearSubset() {
    m_subsetActive = false;
    m_subset.clear();
    m_filterIndex = -1;
    m_category = AllCategories;
}

void CTbObjRecordList::ApplyFilter(uint16_t category, int16_t filterIndex) {
    m_subset.clear();
    m_category = category;
    m_filterIndex = filterIndex;
    m_subsetActive = category != AllCategories || filterIndex != -1;
    if (!m_subsetActive) return;
    const CTbObjFilter* filter = filterIndex != -1 && m_db ? m_db->Filter(filterIndex) : nullptr;
    TbFilterClock clock = TbFilterClock::UtcNow();
    for (CTbObjRecord* record : m_records) {
        if (category != AllCategories && record->GetCategory() != category) continue;
        if (filter && !filter->Passes(*record, clock)) continue;
        m_subset.push_back(record);
    }
}

void CTbObjRecordList::RefilterForSort() {
    ApplyFilter(m_category, m_filterIndex);
    if (!m_subsetActive) {
        m_subset.assign(m_records.begin(), m_records.end());
    }
    m_subsetActive = true;
}

void CTbObjRecordList::ApplyView(int viewIndex) {
    RefilterForSort();
    const CTbObjView* view = m_db ? m_db->View(viewIndex) : nullptr;
    if (!view) return;
    std::vector<SortKey> keys;
    for (int k = 1; k <= 3; ++k) {
        CTbObjView::SortKey key = view->GetSortKey(k);
        const CTbObjField* field = key.field != 0 ? m_db->Field(key.field) : nullptr;
        if (!field) break;  // a key without a field ends the list of keys
        keys.push_back({field, key.direction != 0});
    }
    SortSubset(keys);
}

void CTbObjRecordList::SortByField(int16_t slot, bool ascending) {
    RefilterForSort();
    m_manualSortField = slot;
    m_manualSortAscending = ascending;
    if (const CTbObjField* field = m_db ? m_db->Field(slot) : nullptr) SortSubset({{field, !ascending}});
}
