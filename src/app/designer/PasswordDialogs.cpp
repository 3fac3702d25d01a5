// The passwords dialog and the entry dialog of one password step.
#include "app/designer/PasswordDialogs.h"

#include "app/shell/CEnterPwdDlg.h"
#include "app/widgets/QtText.h"
#include "model/TbObjDB.h"
#include "platform/Prompt.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta::app {

CPwdEditDlg::CPwdEditDlg(PasswordEditFlow& flow, platform::IPrompt* prompt, QWidget* parent)
    : QDialog(parent),
      m_flow(flow),
      m_prompt(prompt),
      m_label(new QLabel(PasswordEditFlow::Prompt(flow.Mode()), this)),
      m_entry(new QLineEdit(this)) {
    setWindowTitle(PasswordEditFlow::Title(flow.Mode()));
    m_entry->setEchoMode(QLineEdit::Password);
    m_entry->setMaxLength(PasswordEditFlow::kMaxLength);
    m_entry->setObjectName("password");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_entry);
    layout->addWidget(buttons);
    setMinimumWidth(280);
}

void CPwdEditDlg::accept() {
    const char* refusal = m_flow.Enter(FromQt(m_entry->text()));
    if (!refusal) {
        QDialog::accept();
        return;
    }
    if (m_prompt)
        m_prompt->Show(PasswordEditFlow::kRefusalTitle, refusal, platform::PromptIcon::Error,
                       platform::PromptButtons::Ok);
    m_entry->selectAll();
    m_entry->setFocus();
}

CPasswordsDlg::CPasswordsDlg(CTbObjDB& db, platform::IPrompt* prompt, QWidget* parent)
    : QDialog(parent), m_db(db), m_prompt(prompt) {
    setWindowTitle("Password settings for : " + ToQt(db.DisplayName()));
    auto* grid = new QGridLayout;
    auto button = [this](const char* text, int kind, void (CPasswordsDlg::*action)(int)) {
        auto* pushButton = new QPushButton(text, this);
        pushButton->setAutoDefault(false);
        connect(pushButton, &QPushButton::clicked, this, [this, kind, action] { (this->*action)(kind); });
        return pushButton;
    };
    for (int kind = 0; kind < kKinds; ++kind) {
        Row& row = m_rows[kind];
        row.status = new QLabel(this);
        row.add = button("&Add...", kind, &CPasswordsDlg::AddPassword);
        row.change = button("&Change...", kind, &CPasswordsDlg::ChangePassword);
        row.remove = button("&Remove...", kind, &CPasswordsDlg::RemovePassword);
        grid->addWidget(new QLabel(CEnterPwdDlg::KindLabel(kind), this), kind, 0);
        grid->addWidget(row.status, kind, 1);
        grid->addWidget(row.add, kind, 2);
        grid->addWidget(row.change, kind, 3);
        grid->addWidget(row.remove, kind, 4);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    Refresh();
}

void CPasswordsDlg::AddPassword(int kind) { Run(kind, PasswordEditFlow::Action::Add); }
void CPasswordsDlg::ChangePassword(int kind) { Run(kind, PasswordEditFlow::Action::Change); }
void CPasswordsDlg::RemovePassword(int kind) { Run(kind, PasswordEditFlow::Action::Remove); }

void CPasswordsDlg::Run(int kind, PasswordEditFlow::Action action) {
    PasswordEditFlow flow(m_db, kind, action);
    while (!flow.Done()) {
        CPwdEditDlg step(flow, m_prompt, this);
        if (step.exec() != QDialog::Accepted) break;
    }
    Refresh();
}

void CPasswordsDlg::Refresh() {
    for (int kind = 0; kind < kKinds; ++kind) {
        bool assigned = PasswordEditFlow::IsAssigned(m_db, kind);
        m_rows[kind].status->setText(assigned ? "Assigned" : "Not Assigned");
        m_rows[kind].add->setEnabled(!assigned);
        m_rows[kind].change->setEnabled(assigned);
        m_rows[kind].remove->setEnabled(assigned);
    }
}

}  // namespace orvanta::app
