// The form design's commands on a Tabulon: tabs (at most 14), fields and labels placed on empty
// rows, all fields added at once, and removing tabs or everything, with the designer's messages.
#pragma once

#include "app/designer/DesignMessage.h"

#include <string>

class CTbObjDB;
class CTbObjTabRow;

namespace orvanta::app {

inline constexpr DesignMessage kRemoveTabsQuestion{"Confirmation",
                                                   "Would you like to remove the Tabs from the Form Design?  "
                                                   "Note:  All Fields and Labels under the Tabs will be "
                                                   "removed from the Form Design as well."};
inline constexpr DesignMessage kAddAllFieldsQuestion{
    "Confirmation",
    "Note: adding all fields will replace all tabs, fields and labels currently on the form.  Click OK to "
    "continue."};
inline constexpr DesignMessage kRemoveEverythingQuestion{
    "Confirmation", "Would you like to remove all Fields, Tabs, and Labels from the Form Design?"};

class FormDesign {
public:
    static constexpr int kMaxTabs = 14;
    static constexpr int kRowsPerTab = 34;

    // What the user selected: the tab row (with its current tab), or a row (position 1 to 34) of a tab.
    struct Selection {
        bool tabRow = false;
        int tab = 0;
        int position = 0;
    };

    explicit FormDesign(CTbObjDB& db) : m_db(db) {}

    // The row at a selection; none on the tab row.
    CTbObjTabRow* Row(const Selection& selected) const;
    // Appends "Tab N"; its index in *tab.
    DesignMessage AddTab(const Selection& selected, int* tab);
    DesignMessage RenameTab(const Selection& selected, const std::string& name);
    DesignMessage RemoveTab(const Selection& selected);
    // Moves the selected tab one place (-1 up, +1 down); its index afterwards in *tab.
    DesignMessage MoveTab(const Selection& selected, int delta, int* tab);
    DesignMessage PlaceField(const Selection& selected, int slot);
    DesignMessage PlaceLabel(const Selection& selected);
    void ClearRow(const Selection& selected);
    // Any field or label on the form, or more than one tab.
    bool HasContent() const;
    // Empties the form and places every used field, 34 to a tab, on tabs "Tab 1", "Tab 2"...
    void AddAllFields();
    // Removes every tab but the first, with what they hold.
    void RemoveTabs();
    // Removes every tab but the first and empties the first.
    void RemoveEverything();

    // None when the tab row is selected, else "No Selection" with the text.
    DesignMessage NeedsTab(const Selection& selected, const char* text) const;

private:
    // A row position of a tab with nothing on it (or no row at all).
    bool IsEmptyRow(const Selection& selected) const;
    // The empty row at the selection, added when the tab has none there; none when not empty.
    CTbObjTabRow* EmptyRow(const Selection& selected);
    void Place(CTbObjTabRow& row, int slot);

    CTbObjDB& m_db;
};

}  // namespace orvanta::app
