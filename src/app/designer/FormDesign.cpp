// The form design's commands.
#include "app/designer/FormDesign.h"

#include "app/widgets/FieldSlots.h"
#include "model/TbObjDB.h"
#include "model/TbObjView.h"

namespace orvanta::app {
namespace {

constexpr DesignMessage kEmptyRowNeeded{
    "Error", "You must select an empty row in the Form Design to add a Field, Tab, or Label."};

std::string TabName(int index) { return "Tab " + std::to_string(index + 1); }

}  // namespace

CTbObjTabRow* FormDesign::Row(const Selection& selected) const {
    CTbObjTab* tab = selected.tabRow ? nullptr : m_db.Tab(selected.tab);
    return tab ? tab->RowAt(selected.position) : nullptr;
}

bool FormDesign::IsEmptyRow(const Selection& selected) const {
    if (selected.tabRow || !m_db.Tab(selected.tab) || selected.position < 1 ||
        selected.position > kRowsPerTab)
        return false;
    const CTbObjTabRow* row = Row(selected);
    return !row || row->IsEmpty();
}

CTbObjTabRow* FormDesign::EmptyRow(const Selection& selected) {
    if (!IsEmptyRow(selected)) return nullptr;
    if (CTbObjTabRow* row = Row(selected)) return row;
    // A tab read from a file holds only the rows it stored.
    CTbObjTabRow* row = m_db.Tab(selected.tab)->AddRow(0, static_cast<int16_t>(selected.position));
    if (row) row->SetEmpty(true);
    return row;
}

DesignMessage FormDesign::AddTab(const Selection& selected, int* tab) {
    if (m_db.TabCount() >= kMaxTabs)
        return {"Cannot Add New Tab", "The maximum number of tabs is 14, cannot add more tabs."};
    const bool single = m_db.TabCount() == 1;
    if (!selected.tabRow && !(single && IsEmptyRow(selected))) {
        if (!single)
            return {"Error",
                    "Can only add tabs to the existing tab row. Select existing tab row to add more tabs."};
        return kEmptyRowNeeded;
    }
    CTbObjTab* added = m_db.AddTab();
    if (!added) return {"Cannot Add New Tab", "The maximum number of tabs is 14, cannot add more tabs."};
    if (single) m_db.Tab(0)->SetName(TabName(0));
    added->SetName(TabName(m_db.TabCount() - 1));
    if (tab) *tab = m_db.TabCount() - 1;
    return {};
}

DesignMessage FormDesign::NeedsTab(const Selection& selected, const char* text) const {
    if (selected.tabRow && m_db.Tab(selected.tab)) return {};
    return {"No Selection", text};
}

DesignMessage FormDesign::RenameTab(const Selection& selected, const std::string& name) {
    if (DesignMessage refusal = NeedsTab(selected, "Select a tab to edit.")) return refusal;
    if (name.empty()) return {"Invalid Name", "The tab name cannot be empty."};
    if (m_db.Tab(selected.tab)->GetName() != name) m_db.Tab(selected.tab)->SetName(name);
    return {};
}

DesignMessage FormDesign::RemoveTab(const Selection& selected) {
    if (DesignMessage refusal = NeedsTab(selected, "Select a tab to remove.")) return refusal;
    if (selected.tab == 0) return {"No Selection", "Select a tab to remove."};
    m_db.RemoveTab(selected.tab);
    return {};
}

DesignMessage FormDesign::MoveTab(const Selection& selected, int delta, int* tab) {
    if (DesignMessage refusal =
            NeedsTab(selected, delta < 0 ? "Select a tab to move up." : "Select a tab to move down."))
        return refusal;
    const int before = m_db.TabCount();
    if (delta < 0)
        m_db.MoveTabUp(selected.tab);
    else
        m_db.MoveTabDown(selected.tab);
    const bool moved = delta < 0 ? selected.tab >= 2 : selected.tab >= 1 && selected.tab < before - 1;
    if (tab) *tab = moved ? selected.tab + delta : selected.tab;
    return {};
}

void FormDesign::Place(CTbObjTabRow& row, int slot) {
    row.SetField(static_cast<uint16_t>(slot));
    row.SetEmpty(false);
    if (const CTbObjField* field = m_db.Field(slot)) row.SetLabelText(field->GetName() + ":");
}

DesignMessage FormDesign::PlaceField(const Selection& selected, int slot) {
    CTbObjTabRow* row = EmptyRow(selected);
    if (!row) return kEmptyRowNeeded;
    Place(*row, slot);
    return {};
}

DesignMessage FormDesign::PlaceLabel(const Selection& selected) {
    CTbObjTabRow* row = EmptyRow(selected);
    if (!row) return kEmptyRowNeeded;
    row->MakeLabelRow();
    row->SetEmpty(false);
    row->SetLabelText("New Label");
    return {};
}

void FormDesign::ClearRow(const Selection& selected) {
    if (CTbObjTabRow* row = Row(selected); row && !row->IsEmpty()) row->SetEmpty(true);
}

bool FormDesign::HasContent() const { return m_db.TabCount() > 1 || m_db.AnyTabHasRows(); }

void FormDesign::AddAllFields() {
    RemoveEverything();
    m_db.Tab(0)->SetName(TabName(0));
    int placed = 0;
    for (int slot : UserFieldSlots(m_db)) {
        const int tabIndex = placed / kRowsPerTab;
        CTbObjTab* tab = tabIndex < m_db.TabCount() ? m_db.Tab(tabIndex) : m_db.AddTab();
        if (!tab) break;
        if (tab->GetName() == "Tab") tab->SetName(TabName(tabIndex));
        if (CTbObjTabRow* row = EmptyRow({false, tabIndex, placed % kRowsPerTab + 1})) Place(*row, slot);
        ++placed;
    }
}

void FormDesign::RemoveTabs() { m_db.RemoveAllTabsButFirst(); }

void FormDesign::RemoveEverything() {
    m_db.RemoveAllTabsButFirst();
    m_db.Tab(0)->ClearAllRows();
}

}  // namespace orvanta::app
