// CChooseJoinRecordDlg: the join chooser: the records of the joined Tabulon through the join's
// view, one of which the user picks as the record this record joins with; or the join deleted.
#pragma once

#include <QDialog>

class CTbBrowser;
class CTbObjField;
class CTbObjRecordValue;
class QTableView;

namespace orvanta::platform {
class IPrompt;
}

namespace orvanta::app {

class TbRecordsModel;

class CChooseJoinRecordDlg : public QDialog {
    Q_OBJECT
public:
    // value: the record's value of the DB Join field, set on OK or cleared by Delete Join.
    CChooseJoinRecordDlg(CTbBrowser& library, const CTbObjField& joinField, CTbObjRecordValue& value,
                         platform::IPrompt* prompt, QWidget* parent);

    // Finds and reads the joined Tabulon and lists its records; false after telling why not.
    bool Open();
    // OK: the picked record's join field value becomes the join value.
    void accept() override;
    // Asks, then clears the join value and closes as accepted.
    void DeleteJoin();
    QTableView* Grid() const { return m_grid; }

private:
    bool Fail(const char* message, const char* hint = "");

    CTbBrowser& m_library;
    const CTbObjField& m_joinField;
    CTbObjRecordValue& m_value;
    platform::IPrompt* m_prompt;
    QTableView* m_grid;
    TbRecordsModel* m_model;
    const CTbObjField* m_joinedField = nullptr;
};

}  // namespace orvanta::app
