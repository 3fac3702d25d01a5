// The view editor's working copy.
#include "app/designer/ViewDraft.h"

#include "model/TbObjDB.h"
#include "model/TbObjView.h"

#include <algorithm>
#include <cstdio>

namespace orvanta::app {

namespace {

constexpr const char* kErrorTitle = "Error";

}  // namespace

ViewDraft::ViewDraft(const CTbObjView& view) : m_name(view.GetName()) {
    for (int i = 0; i < view.ColumnCount(); ++i) m_columns.push_back(view.Column(i)->GetField());
    for (int k = 1; k <= kMaxSortKeys; ++k) {
        CTbObjView::SortKey key = view.GetSortKey(k);
        if (key.field == 0) break;
        m_sortKeys.push_back({key.field, key.direction != 0});
    }
}

bool ViewDraft::HasColumn(int field) const {
    return std::find(m_columns.begin(), m_columns.end(), field) != m_columns.end();
}

ViewDraft::Refusal ViewDraft::AddColumn(int field) {
    if (field <= 0) return {kErrorTitle, "Pleasae select a field to display in the view."};
    if (!HasColumn(field)) m_columns.push_back(field);
    return {};
}

void ViewDraft::RemoveColumn(int index) {
    if (index < 0 || index >= static_cast<int>(m_columns.size())) return;
    int field = m_columns[index];
    m_columns.erase(m_columns.begin() + index);
    std::erase_if(m_sortKeys, [field](const SortKey& key) { return key.field == field; });
}

int ViewDraft::MoveColumn(int index, int delta) {
    int target = index + delta;
    if (index < 0 || target < 0 || target >= static_cast<int>(m_columns.size())) return index;
    std::swap(m_columns[index], m_columns[target]);
    return target;
}

bool ViewDraft::AddSortKey(int field, bool descending) {
    bool keyed = std::any_of(m_sortKeys.begin(), m_sortKeys.end(),
                             [field](const SortKey& key) { return key.field == field; });
    if (static_cast<int>(m_sortKeys.size()) >= kMaxSortKeys || !HasColumn(field) || keyed) return false;
    m_sortKeys.push_back({field, descending});
    return true;
}

void ViewDraft::RemoveSortKey(int index) {
    if (index >= 0 && index < static_cast<int>(m_sortKeys.size()))
        m_sortKeys.erase(m_sortKeys.begin() + index);
}

std::string ViewDraft::SortKeyText(int index, const std::string& fieldName, bool descending) {
    static const char* const kFormats[] = {"%s (primary sort, %s)", "%s (secondary sort, %s)",
                                           "%s (tertiary sort, %s)"};
    if (index < 0 || index >= kMaxSortKeys) return fieldName;
    const char* direction = descending ? "descending" : "ascending";
    int size = std::snprintf(nullptr, 0, kFormats[index], fieldName.c_str(), direction);
    std::string text(static_cast<size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), kFormats[index], fieldName.c_str(), direction);
    text.pop_back();
    return text;
}

std::vector<std::string> ViewDraft::SortKeyTexts(const CTbObjDB& db) const {
    std::vector<std::string> texts;
    for (size_t i = 0; i < m_sortKeys.size(); ++i) {
        const CTbObjField* field = db.Field(m_sortKeys[i].field);
        texts.push_back(SortKeyText(static_cast<int>(i), field ? field->GetName() : std::string(),
                                    m_sortKeys[i].descending));
    }
    return texts;
}

ViewDraft::Refusal ViewDraft::CheckDone() const {
    if (m_name.empty())
        return {kErrorTitle,
                "The name of a view cannot be empty.  Please name the view and then click Done."};
    if (m_columns.empty())
        return {kErrorTitle,
                "A view must have at least one column.  Please add one or more columns and then click Done."};
    return {};
}

void ViewDraft::StoreInto(CTbObjView& view) const {
    if (view.GetName() != m_name) view.SetName(m_name);
    for (int i = view.ColumnCount() - 1; i >= 0; --i)
        if (uint16_t field = view.Column(i)->GetField(); !HasColumn(field)) view.RemoveColumnOfField(field);
    for (int field : m_columns)
        if (!view.HasColumn(static_cast<uint16_t>(field))) view.AddColumn(static_cast<uint16_t>(field));
    for (int target = 0; target < static_cast<int>(m_columns.size()); ++target) {
        int at = target;
        while (at < view.ColumnCount() && view.Column(at)->GetField() != m_columns[target]) ++at;
        for (; at > target; --at) view.MoveColumn(at, true);
    }
    for (int k = 1; k <= kMaxSortKeys; ++k) {
        SortKey key = k <= static_cast<int>(m_sortKeys.size()) ? m_sortKeys[k - 1] : SortKey{0, false};
        CTbObjView::SortKey stored = view.GetSortKey(k);
        if (stored.field != key.field || (stored.direction != 0) != key.descending)
            view.SetSortKey(k, static_cast<uint16_t>(key.field), key.descending ? 1 : 0);
    }
}

}  // namespace orvanta::app
