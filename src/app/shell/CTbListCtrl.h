// CTbListCtrl: the list of Tabulons in the left pane: whole-row selection of one or many rows,
// its six column widths taken from and written back to the preferences.
#pragma once

#include <QTableView>

#include <vector>

class CPvtrPrefs;
class CTbItem;

namespace orvanta::app {

class TbListModel;

class CTbListCtrl : public QTableView {
    Q_OBJECT
public:
    CTbListCtrl(TbListModel& model, CPvtrPrefs& prefs, QWidget* parent = nullptr);

    // Takes the column widths from the preferences (after they were loaded).
    void RestoreColumnWidths();
    // The selected items in list order.
    std::vector<CTbItem*> SelectedItems() const;
    void SelectItem(const CTbItem* item);

private:
    TbListModel& m_model;
    CPvtrPrefs& m_prefs;
};

}  // namespace orvanta::app
