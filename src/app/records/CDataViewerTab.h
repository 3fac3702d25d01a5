// CDataViewerTab: the "Records" tab: the records of the current Tabulon in a grid, restricted
// by the view, filter and category chosen above it, sorted by a heading click; records are
// opened in the record editor, added, deleted and printed from the buttons below it.
#pragma once

#include "app/records/CRecordEditor.h"
#include "app/widgets/PageServices.h"

#include <QWidget>

#include <functional>
#include <vector>

class CTbItem;
class QComboBox;
class QPrinter;
class QPushButton;
class QTableView;

namespace orvanta::app {

class RecordPrinter;
class TbRecordsModel;

class CDataViewerTab : public QWidget {
    Q_OBJECT
public:
    static constexpr int kArrowWidth = 15;

    explicit CDataViewerTab(const PageServices& services, QWidget* parent = nullptr);

    // Shows the item's records: it is read in full first, its joins resolved and its computed
    // fields recalculated when they need it. None clears the grid.
    void ShowItem(CTbItem* item);
    // Shows the records again after the Tabulon changed elsewhere.
    void Reload();
    // Asked before a change to the Tabulon; false refuses it.
    void SetEditGate(std::function<bool()> gate) { m_editGate = std::move(gate); }

    void AddRecord();
    void DeleteSelected();
    // Sorts by the column's field: ascending, or descending when it already sorts ascending.
    void SortByColumn(int column);
    // Opens the row's record in the record editor; its changes mark the Tabulon modified.
    void OpenRecord(int row);
    // Tells what will be printed and warns when columns must go on further pages, then shows
    // the print preview of the grid, from which it is printed (or written as PDF).
    void Print();
    // Fits the columns' widths to their headings and cells.
    void BestFit();
    // Puts the selected cells on the clipboard as tab-separated lines.
    void CopySelection();

    QComboBox* ViewSelector() const { return m_views; }
    QComboBox* FilterSelector() const { return m_filters; }
    QComboBox* CategorySelector() const { return m_categories; }
    QTableView* Grid() const { return m_grid; }
    TbRecordsModel& Model() const { return *m_model; }

signals:
    // The Tabulon was changed (records added or deleted, another view, filter or category).
    void Changed();

private:
    void FillSelectors();
    void OnViewChosen(int index);
    // The view manager, after the views password when there is one.
    void EditViews();
    void OnFilterChosen(int index);
    void OnCategoryChosen(int index);
    // A "View Image" cell shows its picture.
    void OnCellClicked(const QModelIndex& cell);
    void ApplySelection();
    // Fits the columns to their headings and the cells of up to rows rows.
    void FitColumns(int rows);
    std::vector<int> ColumnSlots() const;
    void Tell(const char* title, const char* text, bool error);
    RecordPrinter GridPrinter() const;
    bool EditAllowed() const { return !m_editGate || m_editGate(); }

    PageServices m_services;
    CRecordEditor::Mode m_editorMode = CRecordEditor::FormView;
    CTbItem* m_item = nullptr;
    QComboBox* m_views;
    QComboBox* m_filters;
    QComboBox* m_categories;
    QTableView* m_grid;
    TbRecordsModel* m_model;
    QPushButton* m_edit;
    QPushButton* m_add;
    QPushButton* m_delete;
    std::function<bool()> m_editGate;
    int m_sortColumn = -1;
    bool m_sortAscending = true;
    bool m_filling = false;
};

}  // namespace orvanta::app
