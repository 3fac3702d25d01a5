// CRecordEditor: the record editor: one record's fields and values in two columns, in the order
// of the Tabulon's form (Form View) or of all fields, edited value by value under each type's
// rules; it steps through the records of the grid it was opened from.
#pragma once

#include "app/widgets/PageServices.h"
#include "platform/Prompt.h"

#include <QDialog>

#include <functional>
#include <vector>

class CTbItem;
class CTbObjRecord;
class CTbObjRecordValue;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace orvanta::app {

class RecordEditorModel;
class ValueEntryDelegate;
class ValueEntryEdit;

class CRecordEditor : public QDialog {
    Q_OBJECT
public:
    enum Mode { FormView = 1, AllFields = 2 };

    CRecordEditor(const PageServices& services, CTbItem& item, std::vector<CTbObjRecord*> records, int index,
                  QWidget* parent);
    ~CRecordEditor() override;

    // Asked before the first change; false refuses it.
    void SetEditGate(std::function<bool()> gate) { m_editGate = std::move(gate); }
    // Form View without a form tells so and shows all fields instead.
    void SetMode(Mode mode);
    Mode GetMode() const { return m_mode; }
    void ShowRecord(int index);
    int Index() const { return m_index; }
    // Set by every accepted change: the Tabulon must then be saved.
    bool IsModified() const { return m_modified; }

    // Starts editing a value cell, as a double-click or Enter does.
    void EditValue(int row);
    // The image menu of an Image row, and one of its entries run.
    QStringList ImageActions(int row) const;
    void RunImageAction(int row, const QString& action);

    QTableView* Grid() const { return m_grid; }
    QLabel* Heading() const { return m_heading; }
    RecordEditorModel& Model() const { return *m_model; }
    ValueEntryDelegate& Delegate() const { return *m_delegate; }

    void done(int result) override;

private:
    bool AcceptEntry(int row, const QString& entry);
    void Step(int row, int delta, ValueEntryEdit* editor);
    void PickTime(int row, ValueEntryEdit* editor);
    void ChooseItem(int row, int item);
    void EditItems(int row);
    void EditMemo(int row);
    void ChooseJoin(int row);
    void ViewImage(int row);
    void ImportImage(int row);
    void ExportImage(int row);
    void OnToggled(int row);
    // After an accepted change: computed fields recalculated, the rows redrawn.
    void MarkEdited();
    bool EditAllowed();
    CTbObjRecord* Record() const;
    CTbObjRecordValue* ValueOf(int row) const;
    void Tell(const char* title, const std::string& text, platform::PromptIcon icon);

    PageServices m_services;
    CTbItem& m_item;
    std::vector<CTbObjRecord*> m_records;
    int m_index = 0;
    Mode m_mode = FormView;
    bool m_modified = false;
    bool m_editAllowed = false;
    std::function<bool()> m_editGate;
    QLabel* m_heading;
    QComboBox* m_modes;
    QPushButton* m_previous;
    QPushButton* m_next;
    QTableView* m_grid;
    RecordEditorModel* m_model;
    ValueEntryDelegate* m_delegate;
};

}  // namespace orvanta::app
