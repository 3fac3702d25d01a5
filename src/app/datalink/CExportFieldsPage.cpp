// The field page of the export command.
#include "app/datalink/CExportFieldsPage.h"

#include "app/widgets/QtText.h"
#include "model/TbObjDB.h"
#include "model/TbObjField.h"
#include "platform/Prompt.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta::app {
namespace {

constexpr int kSlotRole = Qt::UserRole;

QListWidget* NewFieldList(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setMinimumWidth(200);
    return list;
}

}  // namespace

CExportFieldsPage::CExportFieldsPage(const CTbObjDB& db, platform::IPrompt* prompt, QWidget* parent)
    : QWidget(parent),
      m_db(db),
      m_prompt(prompt),
      m_choice(db),
      m_available(NewFieldList(this)),
      m_chosen(NewFieldList(this)) {
    auto* choose = new QPushButton("Field >", this);
    auto* all = new QPushButton("All >>", this);
    auto* remove = new QPushButton("< Remove", this);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {choose, all, remove}) buttons->addWidget(button);
    buttons->addStretch(1);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel("Tabulon Fields", this), 0, 0);
    layout->addWidget(new QLabel("Fields To Export", this), 0, 2);
    layout->addWidget(m_available, 1, 0);
    layout->addLayout(buttons, 1, 1);
    layout->addWidget(m_chosen, 1, 2);
    connect(choose, &QPushButton::clicked, this, &CExportFieldsPage::ChooseSelected);
    connect(all, &QPushButton::clicked, this, &CExportFieldsPage::ChooseAll);
    connect(remove, &QPushButton::clicked, this, &CExportFieldsPage::RemoveSelected);
    connect(m_available, &QListWidget::itemDoubleClicked, this, &CExportFieldsPage::ChooseSelected);
    connect(m_chosen, &QListWidget::itemDoubleClicked, this, &CExportFieldsPage::RemoveSelected);
    Fill();
}

DataLinkMessage CExportFieldsPage::SetChosen(const std::vector<int32_t>& saved) {
    DataLinkMessage dropped = m_choice.SetChosen(saved);
    Fill();
    return dropped;
}

void CExportFieldsPage::ChooseSelected() {
    for (int row = 0; row < m_available->count(); ++row)
        if (m_available->item(row)->isSelected())
            m_choice.Choose(m_available->item(row)->data(kSlotRole).toInt());
    Fill();
}

void CExportFieldsPage::ChooseAll() {
    if (m_prompt && m_prompt->Show("Confirmation", "Would you like to export all of the Tabulon Fields?",
                                   platform::PromptIcon::Question,
                                   platform::PromptButtons::OkCancel) != platform::PromptAnswer::Ok)
        return;
    m_choice.ChooseAll();
    Fill();
}

void CExportFieldsPage::RemoveSelected() {
    for (int row = 0; row < m_chosen->count(); ++row)
        if (m_chosen->item(row)->isSelected()) m_choice.Remove(m_chosen->item(row)->data(kSlotRole).toInt());
    Fill();
}

void CExportFieldsPage::Fill() {
    m_available->clear();
    m_chosen->clear();
    auto add = [this](QListWidget* list, int32_t slot) {
        auto* item = new QListWidgetItem(ToQt(m_db.Field(slot)->GetName()), list);
        item->setData(kSlotRole, slot);
    };
    for (int32_t slot : m_choice.Available()) add(m_available, slot);
    for (int32_t slot : m_choice.Chosen()) add(m_chosen, slot);
    emit ChoiceChanged();
}

}  // namespace orvanta::app
