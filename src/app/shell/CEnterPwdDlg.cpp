// The enter-password dialog.
#include "app/shell/CEnterPwdDlg.h"

#include "app/widgets/QtText.h"
#include "model/TbObjDB.h"
#include "platform/Prompt.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace orvanta::app {

const char* CEnterPwdDlg::KindLabel(int kind) {
    static const char* const kLabels[] = {"Password to open", "Password to modify records",
                                          "Password for design changes", "Password to modify views",
                                          "Password to copy"};
    return kind >= 0 && kind < 5 ? kLabels[kind] : "Password";
}

CEnterPwdDlg::CEnterPwdDlg(CTbObjDB& db, int kind, platform::IPrompt* prompt, QWidget* parent)
    : QDialog(parent), m_db(db), m_kind(kind), m_prompt(prompt), m_entry(new QLineEdit(this)) {
    setWindowTitle(KindLabel(kind));
    m_entry->setEchoMode(QLineEdit::Password);
    m_entry->setMaxLength(10);
    m_entry->setObjectName("password");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel("The Tabulon \"" + ToQt(db.DisplayName()) + "\" is protected. Enter the password:", this));
    layout->addWidget(m_entry);
    layout->addWidget(buttons);
}

void CEnterPwdDlg::accept() {
    if (m_db.SetEnteredPassword(m_kind, FromQt(m_entry->text()))) {
        QDialog::accept();
        return;
    }
    if (m_prompt)
        m_prompt->Show("Invalid Password", "The password entered is incorrect.", platform::PromptIcon::Error,
                       platform::PromptButtons::Ok);
    m_entry->selectAll();
    m_entry->setFocus();
}

bool GrantAccess(CTbObjDB& db, int kind, platform::IPrompt* prompt, QWidget* parent) {
    if (db.AccessGranted(kind)) return true;
    CEnterPwdDlg dialog(db, kind, prompt, parent);
    dialog.exec();
    return db.AccessGranted(kind);
}

}  // namespace orvanta::app
