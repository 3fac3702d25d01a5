// CViewEditor: edits one view of a Tabulon: its name, its columns chosen from the used fields
// (add, remove, move) and up to three sort keys. It works on a ViewDraft; Done checks it and
// stores it into the view, Cancel leaves the view untouched.
#pragma once

#include "app/designer/ViewDraft.h"

#include <QDialog>

class CTbObjDB;
class CTbObjView;
class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace orvanta::platform {
class IPrompt;
}

namespace orvanta::app {

class CViewEditor : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxNameLength = 20;  // what a Tabulon file keeps of a view's name

    CViewEditor(CTbObjDB& db, CTbObjView& view, platform::IPrompt* prompt, QWidget* parent);

    // Done: refused with its message while the draft has no name or no column.
    void accept() override;
    // The field selected in the field list becomes a column.
    void AddColumn();
    void RemoveColumn();
    void MoveColumn(int delta);
    // The field chosen in the sort field list becomes the next sort key.
    void AddSortKey();
    void RemoveSortKey();

    QLineEdit* NameEntry() const { return m_name; }
    QListWidget* Fields() const { return m_fields; }
    QListWidget* ColumnList() const { return m_columns; }
    QComboBox* SortField() const { return m_sortField; }
    QRadioButton* Ascending() const { return m_ascending; }
    QRadioButton* Descending() const { return m_descending; }
    QListWidget* SortList() const { return m_sortList; }

private:
    QLayout* MakeColumnButtons();
    QLayout* MakeSortControls();
    void Refill(int selectedColumn);
    void Tell(ViewDraft::Refusal refusal);

    CTbObjDB& m_db;
    CTbObjView& m_view;
    platform::IPrompt* m_prompt;
    ViewDraft m_draft;
    QLineEdit* m_name;
    QListWidget* m_fields;
    QListWidget* m_columns;
    QComboBox* m_sortField;
    QRadioButton* m_ascending;
    QRadioButton* m_descending;
    QListWidget* m_sortList;
};

}  // namespace orvanta::app
