// A field's property sheet.
#include "app/designer/CFieldPropertiesDlg.h"

#include "app/designer/FieldDesign.h"
#include "app/designer/FieldTypeChange.h"
#include "app/widgets/QtText.h"
#include "model/TbObjDB.h"
#include "platform/Prompt.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orvanta::app {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::PromptIcon;

CFieldPropertiesDlg::CFieldPropertiesDlg(CTbObjDB& db, int slot, const PageServices& services,
                                         QWidget* parent)
    : QDialog(parent),
      m_db(db),
      m_slot(slot),
      m_services(services),
      m_name(new QLineEdit(ToQt(db.Field(slot)->GetName()), this)),
      m_types(new QComboBox(this)),
      m_description(new QLabel(this)),
      m_pages(new QTabWidget(this)) {
    setWindowTitle("Field Properties - " + m_name->text());
    for (int type = TEXT_T; type <= ADV_EXPRESSION_T; ++type)
        m_types->addItem(QString::fromLatin1(FieldTypeLabel(type).data()), type);
    m_types->setCurrentIndex(m_types->findData(static_cast<int>(db.Field(slot)->GetType())));
    m_description->setWordWrap(true);
    auto* general = new QWidget(m_pages);
    auto* form = new QFormLayout(general);
    form->addRow("Field &name:", m_name);
    form->addRow("Field &type:", m_types);
    form->addRow(m_description);
    m_pages->addTab(general, "General");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CFieldPropertiesDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_types, &QComboBox::activated, this, &CFieldPropertiesDlg::OnTypeChosen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addWidget(buttons);
    ShowFamilyPage();
    resize(440, 360);
}

void CFieldPropertiesDlg::ShowFamilyPage() {
    CTbObjField& field = *m_db.Field(m_slot);
    m_description->setText(FieldTypeDescription(field.GetType()));
    while (m_pages->count() > 1) delete m_pages->widget(1);
    m_pages->addTab(MakePropertyPage(m_db, field, m_services, &m_applyPage, m_pages), "Properties");
}

void CFieldPropertiesDlg::OnTypeChosen(int position) {
    const int type = m_types->itemData(position).toInt();
    CTbObjField& field = *m_db.Field(m_slot);
    if (type == field.GetType()) return;
    const bool agreed =
        m_services.prompt &&
        m_services.prompt->Show(kTypeChangeQuestion.title, kTypeChangeQuestion.text, PromptIcon::Warning,
                                PromptButtons::YesNo) == PromptAnswer::Yes;
    if (!agreed) {
        m_types->setCurrentIndex(m_types->findData(static_cast<int>(field.GetType())));
        return;
    }
    FieldDesign(m_db).ChangeType(m_slot, static_cast<TbFieldType>(type), m_services.progress);
    m_changed = true;
    ShowFamilyPage();
}

void CFieldPropertiesDlg::accept() {
    // What the sheet changes shows in the Tabulon's modified flag.
    const bool modified = m_db.IsModified();
    m_db.SetModified(false);
    DesignMessage refusal = FieldDesign(m_db).Rename(m_slot, FromQt(m_name->text().trimmed()));
    if (!refusal && m_applyPage) refusal = m_applyPage();
    m_changed = m_changed || m_db.IsModified();
    m_db.SetModified(modified || m_db.IsModified());
    if (refusal) {
        if (m_services.prompt)
            m_services.prompt->Show(refusal.title, refusal.text, PromptIcon::Warning, PromptButtons::Ok);
        return;
    }
    QDialog::accept();
}

}  // namespace orvanta::app
