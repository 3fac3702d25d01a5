// CViewManagerDlg: the list of a Tabulon's views with New (up to the model's limit of views),
// Edit and Delete, each view edited in a CViewEditor. Refused tells why views cannot be edited
// while the Tabulon has no fields.
#pragma once

#include <QDialog>

class CTbObjDB;
class QListWidget;
class QPushButton;

namespace orvanta::platform {
class IPrompt;
}

namespace orvanta::app {

class CViewManagerDlg : public QDialog {
    Q_OBJECT
public:
    CViewManagerDlg(CTbObjDB& db, platform::IPrompt* prompt, QWidget* parent);

    // Shows the no-fields message and gives true when the Tabulon has no used field.
    static bool Refused(const CTbObjDB& db, platform::IPrompt* prompt);

    // A new view edited at once; cancelling its editor takes it away again.
    void NewView();
    void EditView();
    // Deletes the selected view after a confirmation; the last view stays.
    void DeleteView();

    QListWidget* Views() const { return m_list; }
    QPushButton* NewButton() const { return m_new; }
    QPushButton* DeleteButton() const { return m_delete; }

private:
    bool Edit(int index);
    void Refill(int selected);

    CTbObjDB& m_db;
    platform::IPrompt* m_prompt;
    QListWidget* m_list;
    QPushButton* m_new = nullptr;
    QPushButton* m_delete = nullptr;
};

}  // namespace orvanta::app
