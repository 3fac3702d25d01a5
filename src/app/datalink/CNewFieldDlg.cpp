// The "New Field" dialog of the mapping page.
#include "app/datalink/CNewFieldDlg.h"

#include "app/widgets/QtText.h"
#include "model/TbTypes.h"
#include "platform/Prompt.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace orvanta::app {
namespace {

QString TypeLabel(int type) {
    std::string_view label = FieldTypeLabel(type);
    return QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size()));
}

}  // namespace

CNewFieldDlg::CNewFieldDlg(const QString& name, int type, platform::IPrompt* prompt, QWidget* parent)
    : QDialog(parent), m_prompt(prompt), m_name(new QLineEdit(name, this)) {
    setWindowTitle("New Field");
    m_name->setMinimumWidth(240);
    m_name->selectAll();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow("Field Name :", m_name);
    layout->addRow("Field Type :", new QLabel(TypeLabel(type), this));
    layout->addRow(buttons);
}

std::string CNewFieldDlg::FieldName() const { return FromQt(m_name->text().trimmed()); }

void CNewFieldDlg::accept() {
    if (FieldName().empty()) {
        if (m_prompt)
            m_prompt->Show("Invalid Field Name", "The field cannot be blank.", platform::PromptIcon::Warning,
                           platform::PromptButtons::Ok);
        m_name->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace orvanta::app
