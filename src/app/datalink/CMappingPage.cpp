// The mapping page of the import command.
#include "app/datalink/CMappingPage.h"

#include "app/datalink/CNewFieldDlg.h"
#include "app/widgets/ChoiceDelegate.h"
#include "app/widgets/QtText.h"
#include "platform/Prompt.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace orvanta::app {

CMappingPage::CMappingPage(platform::IPrompt* prompt, QWidget* parent)
    : QWidget(parent), m_prompt(prompt), m_model(new ImportMappingModel(this)), m_grid(new QTableView(this)) {
    m_grid->setObjectName("mappingGrid");
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new ChoiceDelegate(
        [this](const QModelIndex& cell) {
            std::vector<CellChoice> choices;
            for (const auto& [text, value] : m_model->Choices(cell)) choices.push_back({text, value, {}});
            return choices;
        },
        m_grid));
    m_grid->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked |
                            QAbstractItemView::EditKeyPressed);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setAlternatingRowColors(true);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    auto* addAll = new QPushButton("Add All Fields", this);
    auto* clear = new QPushButton("Clear", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addAll);
    buttons->addWidget(clear);
    buttons->addStretch(1);
    auto* box = new QGroupBox("Field Mapping", this);
    auto* inside = new QVBoxLayout(box);
    inside->addWidget(m_grid, 1);
    inside->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box);

    // One click on a type or field opens its list.
    connect(m_grid, &QTableView::clicked, this, [this](const QModelIndex& cell) {
        if (cell.flags() & Qt::ItemIsEditable) m_grid->edit(cell);
    });
    connect(addAll, &QPushButton::clicked, this, &CMappingPage::AddAllFields);
    connect(clear, &QPushButton::clicked, this, &CMappingPage::Clear);
    connect(m_model, &ImportMappingModel::AddFieldAsked, this, &CMappingPage::AddField);
    connect(m_model, &ImportMappingModel::MappingChanged, this, &CMappingPage::MappingChanged);
}

void CMappingPage::SetMapping(std::unique_ptr<ImportMapping> mapping) {
    m_model->SetMapping(mapping.get());
    m_mapping = std::move(mapping);
    emit MappingChanged();
}

void CMappingPage::Tell(const DataLinkMessage& message) {
    if (message && m_prompt)
        m_prompt->Show(message.title, message.text, platform::PromptIcon::Warning,
                       platform::PromptButtons::Ok);
}

void CMappingPage::AddField(int row) {
    if (!m_mapping) return;
    if (DataLinkMessage full = m_mapping->FieldsFull()) {
        Tell(full);
        return;
    }
    CNewFieldDlg dialog(ToQt(m_mapping->Row(row).name), m_mapping->Row(row).importAs, m_prompt, this);
    if (dialog.exec() == QDialog::Accepted) Tell(m_mapping->AddField(row, dialog.FieldName()));
    m_model->Refresh();
    emit MappingChanged();
}

void CMappingPage::AddAllFields() {
    if (!m_mapping) return;
    Tell(m_mapping->AddAllFields());
    m_model->Refresh();
    emit MappingChanged();
}

void CMappingPage::Clear() {
    if (!m_mapping) return;
    m_mapping->Clear();
    m_model->Refresh();
    emit MappingChanged();
}

}  // namespace orvanta::app
