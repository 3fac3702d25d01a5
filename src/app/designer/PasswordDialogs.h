// The passwords dialog of a Tabulon (CPasswordsDlg: each kind Assigned or Not Assigned, with
// add, change and remove) and the entry dialog of one password step (CPwdEditDlg). The steps
// and their checks are PasswordEditFlow's; every change marks the Tabulon modified.
#pragma once

#include "app/designer/PasswordEditFlow.h"

#include <QDialog>

#include <array>

class CTbObjDB;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvanta::platform {
class IPrompt;
}

namespace orvanta::app {

// One step of a flow: OK hands the entry to the flow; a refusal is told under "Invalid
// Password" and the dialog stays open.
class CPwdEditDlg : public QDialog {
    Q_OBJECT
public:
    CPwdEditDlg(PasswordEditFlow& flow, platform::IPrompt* prompt, QWidget* parent);
    void accept() override;
    QLineEdit* Entry() const { return m_entry; }
    QLabel* PromptLabel() const { return m_label; }

private:
    PasswordEditFlow& m_flow;
    platform::IPrompt* m_prompt;
    QLabel* m_label;
    QLineEdit* m_entry;
};

class CPasswordsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kKinds = 5;

    CPasswordsDlg(CTbObjDB& db, platform::IPrompt* prompt, QWidget* parent);

    // Each runs the flow's dialogs one after the other; a Cancel stops without a change.
    void AddPassword(int kind);
    void ChangePassword(int kind);
    void RemovePassword(int kind);

    QLabel* Status(int kind) const { return m_rows[kind].status; }
    QPushButton* AddButton(int kind) const { return m_rows[kind].add; }
    QPushButton* ChangeButton(int kind) const { return m_rows[kind].change; }
    QPushButton* RemoveButton(int kind) const { return m_rows[kind].remove; }

private:
    struct Row {
        QLabel* status = nullptr;
        QPushButton* add = nullptr;
        QPushButton* change = nullptr;
        QPushButton* remove = nullptr;
    };
    void Run(int kind, PasswordEditFlow::Action action);
    void Refresh();

    CTbObjDB& m_db;
    platform::IPrompt* m_prompt;
    std::array<Row, kKinds> m_rows;
};

}  // namespace orvanta::app
