// CEnterPwdDlg: asks for the password of one kind before a guarded action; a wrong entry is
// told and the dialog stays open. GrantAccess shows it only when access is not yet granted.
#pragma once

#include <QDialog>

class CTbObjDB;
class QLineEdit;
namespace orvanta::platform {
class IPrompt;
}

namespace orvanta::app {

class CEnterPwdDlg : public QDialog {
    Q_OBJECT
public:
    CEnterPwdDlg(CTbObjDB& db, int kind, platform::IPrompt* prompt, QWidget* parent = nullptr);
    void accept() override;

    // The label of a password kind 0 to 4 ("Password to open" ...).
    static const char* KindLabel(int kind);

private:
    CTbObjDB& m_db;
    int m_kind;
    platform::IPrompt* m_prompt;
    QLineEdit* m_entry;
};

// True when the kind is granted, asking for the password once when it is not yet.
bool GrantAccess(CTbObjDB& db, int kind, platform::IPrompt* prompt, QWidget* parent);

}  // namespace orvanta::app
