// Views and their columns, and form tabs with their rows.
#include "model/TbObjView.h"

#include "model/TbObjDB.h"
#include "model/TbSetter.h"

#include <algorithm>
#include <cstdio>

TB_SETTER(CTbObjViewColumn, Field, uint16_t, m_field)
TB_SETTER(CTbObjViewColumn, Width, uint16_t, m_width)
TB_SETTER(CTbObjViewColumn, IdenticalSuppress, bool, m_identicalSuppress)
TB_SETTER(CTbObjView, Name, std::string, m_name)
TB_SETTER(CTbObjView, DefaultFilter, uint16_t, m_defaultFilter)
TB_SETTER(CTbObjView, FrozenColumns, uint16_t, m_frozenColumns)
TB_SETTER(CTbObjFilter, Name, std::string, m_name)
TB_SETTER(CTbObjTab, Name, std::string, m_name)
TB_SETTER(CTbObjTab, FirstColumnWidth, uint16_t, m_firstColumnWidth)
TB_SETTER(CTbObjTabRow, Field, uint16_t, m_field)
TB_SETTER(CTbObjTabRow, Position, uint16_t, m_position)
TB_SETTER(CTbObjTabRow, LabelFont, uint32_t, m_labelFont)
TB_SETTER(CTbObjTabRow, LabelForeground, uint32_t, m_labelForeground)
TB_SETTER(CTbObjTabRow, LabelBackground, int32_t, m_labelBackground)
TB_SETTER(CTbObjTabRow, LabelText, std::string, m_labelText)
TB_SETTER(CTbObjTabRow, PopupHelp, std::string, m_popupHelp)
TB_SETTER(CTbObjTabRow, FieldFont, uint32_t, m_fieldFont)
TB_SETTER(CTbObjTabRow, FieldForeground, uint32_t, m_fieldForeground)
TB_SETTER(CTbObjTabRow, FieldBackground, int32_t, m_fieldBackground)
TB_SETTER(CTbObjTabRow, Alignment, uint32_t, m_alignment)
TB_SETTER(CTbObjTabRow, ReadOnly, bool, m_readOnly)
TB_SETTER(CTbObjTabRow, ImageDisplay, uint32_t, m_imageDisplay)

CTbObjView::CTbObjView(CTbObjDB* db, int number) : m_db(db) { Reset(number); }

CTbObjView::~CTbObjView() = default;

void CTbObjView::Reset(int number) {
    char name[16];
    std::snprintf(name, sizeof name, "View%02d", number);
    m_name = name;
    m_sortKeys = {};
    m_defaultFilter = NoFilter;
    m_frozenColumns = 0;
    m_columns.clear();
}

CTbObjView::SortKey CTbObjView::GetSortKey(int k) const {
    return k >= 1 && k <= 3 ? m_sortKeys[k - 1] : SortKey{};
}

void CTbObjView::SetSortKey(int k, uint16_t field, uint16_t direction) {
    if (k < 1 || k > 3) return;
    m_sortKeys[k - 1] = {field, direction};
    TbMarkModified(m_db);
}

CTbObjViewColumn* CTbObjView::Column(int index) const {
    return index >= 0 && index < ColumnCount() ? m_columns[index].get() : nullptr;
}

bool CTbObjView::HasColumn(uint16_t field) const {
    return std::any_of(m_columns.begin(), m_columns.end(), [&](auto& c) { return c->GetField() == field; });
}

CTbObjViewColumn* CTbObjView::AddColumn(uint16_t field) {
    m_columns.push_back(std::make_unique<CTbObjViewColumn>(m_db, field));
    TbMarkModified(m_db);
    return m_columns.back().get();
}

void CTbObjView::MoveColumn(int index, bool up) {
    if (up && index > 0 && index < ColumnCount()) {
        std::swap(m_columns[index], m_columns[index - 1]);
    } else if (!up && index >= 0 && index < ColumnCount() - 1) {
        std::swap(m_columns[index], m_columns[index + 1]);
    } else {
        return;
    }
    TbMarkModified(m_db);
}

void CTbObjView::RemoveColumnOfField(uint16_t field) {
    auto removed =
        std::remove_if(m_columns.begin(), m_columns.end(), [&](auto& c) { return c->GetField() == field; });
    if (removed == m_columns.end()) return;
    m_columns.erase(removed, m_columns.end());
    TbMarkModified(m_db);
}

void CTbObjView::CheckSortKeys() {
    for (SortKey& key : m_sortKeys)
        if (!HasColumn(key.field)) key = {};
}

void CTbObjTabRow::MarkModified() { ::TbMarkModified(m_db); }

void CTbObjTabRow::RestoreDefaults() {
    m_field = 0;
    m_labelFont = m_labelForeground = 0;
    m_labelBackground = -1;
    m_labelText.clear();
    m_popupHelp.clear();
    m_fieldFont = m_fieldForeground = 0;
    m_fieldBackground = -1;
    m_alignment = 2;
    m_readOnly = false;
    m_imageDisplay = 0;
}

void CTbObjTabRow::SetEmpty(bool empty) {
    m_empty = empty;
    if (empty) RestoreDefaults();
    MarkModified();
}

CTbObjTab::CTbObjTab(CTbObjDB* db) : m_db(db) {
    for (int position = 1; position <= TabRowCount; ++position)
        m_rows.push_back(std::make_unique<CTbObjTabRow>(db, static_cast<uint16_t>(position)));
}

CTbObjTab::~CTbObjTab() = default;

CTbObjTabRow* CTbObjTab::RowAtIndex(int index) const {
    return index >= 0 && index < RowCount() ? m_rows[index].get() : nullptr;
}

CTbObjTabRow* CTbObjTab::RowAt(int position) const {
    for (auto& row : m_rows)
        if (row->GetPosition() == position) return row.get();
    return nullptr;
}

int CTbObjTab::UsedRowCount() const {
    return static_cast<int>(
        std::count_if(m_rows.begin(), m_rows.end(), [](auto& r) { return !r->IsEmpty(); }));
}

CTbObjTabRow* CTbObjTab::PlaceField(uint16_t field, int position) {
    CTbObjTabRow* row = RowAt(position);
    if (!row) return nullptr;
    row->SetField(field);
    row->SetEmpty(false);
    return row;
}

CTbObjTabRow* CTbObjTab::AddRow(uint16_t field, int16_t position) {
    if (CTbObjTabRow* row = PlaceField(field, position)) return row;
    m_rows.push_back(std::make_unique<CTbObjTabRow>(m_db, static_cast<uint16_t>(position)));
    CTbObjTabRow* row = m_rows.back().get();
    row->SetField(field);
    row->SetEmpty(false);
    return row;
}

void CTbObjTab::ClearAllRows() {
    for (auto& row : m_rows) row->SetEmpty(true);
}
