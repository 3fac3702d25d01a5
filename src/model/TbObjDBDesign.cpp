// CTbObjDB: the collections of the design (fields, tabs, views, filters) and their limits.
#include "model/TbObjDB.h"

#include <algorithm>

int CTbObjDB::UsedFieldCount() const {
    return static_cast<int>(
        std::count_if(m_fields.begin(), m_fields.end(), [](auto& f) { return f->IsUsed(); }));
}

CTbObjField* CTbObjDB::AddField(const std::string& name, TbFieldType type) {
    for (auto& field : m_fields) {
        if (field->IsUsed()) continue;
        field->SetType(type);
        field->SetName(name);
        m_modified = true;
        return field.get();
    }
    return nullptr;
}

void CTbObjDB::SetFieldType(int slot, TbFieldType type, const std::string& name) {
    CTbObjField* field = Field(slot);
    if (!field) return;
    field->SetType(type);
    field->SetName(name);
    m_modified = true;
}

void CTbObjDB::DeleteField(int slot) {
    CTbObjField* field = Field(slot);
    if (!field) return;
    field->SetType(NOTUSED_T);
    for (auto& view : m_views) view->RemoveColumnOfField(static_cast<uint16_t>(slot));
    if (UsedFieldCount() == 1) {
        DeleteAllRecords();
    } else {
        for (int i = 0; i < m_records->Count(true); ++i) {
            CTbObjRecordValue* value = m_records->RecordInStoredOrder(i)->Value(slot);
            value->Reset(field, false);
            value->SetType(NOTUSED_T);
        }
    }
    m_modified = true;
}

int CTbObjDB::FindField(const std::string& name, TbFieldType type) const {
    for (auto& field : m_fields)
        if (field->GetName() == name && field->GetType() == type) return field->GetSlot();
    return TB_E_FIELD_NOT_FOUND;
}

int CTbObjDB::RecordCount() const {
    if (m_loadState == TB_LOAD_HEADER || m_loadState == TB_LOAD_DESIGN)
        return m_pdbRecordCount > static_cast<uint32_t>(DesignRecordCount)
                   ? static_cast<int>(m_pdbRecordCount) - DesignRecordCount
                   : 0;
    return m_records->Count(true);
}

void CTbObjDB::DeleteAllRecords() {
    m_records->DeleteAllRecords();
    m_modified = true;
}

CTbObjTab* CTbObjDB::Tab(int index) const {
    return index >= 0 && index < TabCount() ? m_tabs[index].get() : nullptr;
}

CTbObjTab* CTbObjDB::AddTab() {
    if (TabCount() >= MaxTabs) return nullptr;
    m_tabs.push_back(std::make_unique<CTbObjTab>(this));
    m_modified = true;
    return m_tabs.back().get();
}

void CTbObjDB::RemoveTab(int index) {
    if (index <= 0 || index >= TabCount()) return;
    m_tabs.erase(m_tabs.begin() + index);
    m_modified = true;
}

void CTbObjDB::RemoveAllTabsButFirst() {
    if (TabCount() <= 1) return;
    m_tabs.resize(1);
    m_modified = true;
}

void CTbObjDB::MoveTabUp(int index) {
    if (index < 2 || index >= TabCount()) return;
    std::swap(m_tabs[index], m_tabs[index - 1]);
    m_modified = true;
}

void CTbObjDB::MoveTabDown(int index) {
    if (index < 1 || index >= TabCount() - 1) return;
    std::swap(m_tabs[index], m_tabs[index + 1]);
    m_modified = true;
}

bool CTbObjDB::AnyTabHasRows() const {
    return std::any_of(m_tabs.begin(), m_tabs.end(), [](auto& tab) { return tab->UsedRowCount() > 0; });
}

CTbObjView* CTbObjDB::View(int index) const {
    return index >= 0 && index < ViewCount() ? m_views[index].get() : nullptr;
}

CTbObjView* CTbObjDB::AddView() {
    if (ViewCount() >= MaxViews) return nullptr;
    m_views.push_back(std::make_unique<CTbObjView>(this, ViewCount() + 1));
    m_modified = true;
    return m_views.back().get();
}

void CTbObjDB::DeleteView(int index) {
    if (index < 0 || index >= ViewCount()) return;
    m_views[index]->Reset(index + 1);
    m_views.erase(m_views.begin() + index);
    m_modified = true;
}

CTbObjFilter* CTbObjDB::Filter(int index) const {
    return index >= 0 && index < FilterCount() ? m_filters[index].get() : nullptr;
}

CTbObjFilter* CTbObjDB::AddFilter() {
    m_filters.push_back(std::make_unique<CTbObjFilter>(this));
    m_modified = true;
    return m_filters.back().get();
}
