// Checking a new Tabulon name in the rename and save-as dialogs.
#include "app/shell/TabulonNameDialogs.h"

#include "app/widgets/QtText.h"
#include "library/CTbBrowser.h"
#include "platform/Prompt.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include <strings.h>

#include <algorithm>

namespace orvanta::app {
namespace {

using platform::PromptButtons;
using platform::PromptIcon;

constexpr int kNameLimit = 27;  // 31 characters of a PDB name less "MRA_"

void Tell(CTbBrowser& browser, const char* title, const std::string& text, PromptIcon icon) {
    if (auto* prompt = browser.Prompt()) prompt->Show(title, text, icon, PromptButtons::Ok);
}

// The PDB name for the entered name; false, after saying why, when it is empty or the naming
// rules would change it.
bool CheckedPdbName(CTbBrowser& browser, const std::string& name, const char* emptyMessage,
                    std::string* pdbName) {
    if (name.find_first_not_of(' ') == std::string::npos) {
        Tell(browser, "Orvanta", emptyMessage, PromptIcon::Warning);
        return false;
    }
    if (CTbObjDB::NormalizePdbName(name, true, pdbName) < 0 || pdbName->substr(4) != name) {
        Tell(browser, "Invalid Name",
             "The Tabulon name cannot contain any of the following characters:\n\\ / : * ? \" < > |",
             PromptIcon::Warning);
        return false;
    }
    return true;
}

// A name for a new Tabulon file: valid, and neither listed nor deleted since the last HotSync.
bool NewNameAccepted(CTbBrowser& browser, const std::string& name) {
    std::string pdbName;
    return CheckedPdbName(browser, name, "Please enter a name for the new Tabulon.", &pdbName) &&
           browser.NameCheckShown(pdbName.substr(4));
}

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QLineEdit* NameEntry(QDialog* dialog, const QString& text) {
    auto* entry = new QLineEdit(text, dialog);
    entry->setObjectName("name");
    entry->setMaxLength(kNameLimit);
    entry->setMinimumWidth(280);
    entry->selectAll();
    return entry;
}

}  // namespace

CRenameTabulonDlg::CRenameTabulonDlg(CTbBrowser& browser, CTbItem& item, QWidget* parent)
    : QDialog(parent), m_browser(browser), m_item(item), m_name(NameEntry(this, ToQt(item.DisplayName()))) {
    setWindowTitle("Rename Tabulon");
    auto* layout = new QFormLayout(this);
    layout->addRow("New name:", m_name);
    layout->addRow(OkCancel(this));
}

std::string CRenameTabulonDlg::NewName() const { return FromQt(m_name->text()); }

void CRenameTabulonDlg::accept() {
    std::string name = NewName(), pdbName;
    if (!CheckedPdbName(m_browser, name, "The Tabulon name can not be empty.", &pdbName)) return;
    // The Tabulon's own name in another letter case is no clash.
    bool ownName = strcasecmp(pdbName.c_str(), m_item.PdbName().c_str()) == 0;
    bool deleted = false;
    if (!ownName && !m_browser.NameCheck(name, &deleted)) {
        Tell(m_browser, "Orvanta",
             "There is already a Tabulon with this name.  Enter a different name for the Tabulon",
             PromptIcon::Warning);
        return;
    }
    QDialog::accept();
}

CSaveTbAsDlg::CSaveTbAsDlg(CTbBrowser& browser, QWidget* parent)
    : QDialog(parent),
      m_browser(browser),
      m_name(NameEntry(this, QString())),
      m_copyRecords(new QCheckBox("Copy Records", this)) {
    setWindowTitle("Save Tabulon As");
    m_copyRecords->setChecked(true);
    auto* layout = new QFormLayout(this);
    layout->addRow("Tabulon Name:", m_name);
    layout->addRow(QString(), m_copyRecords);
    layout->addRow(OkCancel(this));
}

std::string CSaveTbAsDlg::NewName() const { return FromQt(m_name->text()); }

bool CSaveTbAsDlg::CopyRecords() const { return m_copyRecords->isChecked(); }

void CSaveTbAsDlg::accept() {
    if (NewNameAccepted(m_browser, NewName())) QDialog::accept();
}

}  // namespace orvanta::app
