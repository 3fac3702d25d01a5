// The view editor.
#include "app/designer/CViewEditor.h"

#include "app/widgets/QtText.h"
#include "model/TbObjDB.h"
#include "model/TbObjView.h"
#include "platform/Prompt.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvanta::app {

namespace {

QString FieldName(const CTbObjDB& db, int slot) {
    const CTbObjField* field = db.Field(slot);
    return field ? ToQt(field->GetName()) : QString();
}

QPushButton* Button(const char* text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CViewEditor::CViewEditor(CTbObjDB& db, CTbObjView& view, platform::IPrompt* prompt, QWidget* parent)
    : QDialog(parent),
      m_db(db),
      m_view(view),
      m_prompt(prompt),
      m_draft(view),
      m_name(new QLineEdit(ToQt(view.GetName()), this)),
      m_fields(new QListWidget(this)),
      m_columns(new QListWidget(this)),
      m_sortField(new QComboBox(this)),
      m_ascending(new QRadioButton("A&scending", this)),
      m_descending(new QRadioButton("&Descending", this)),
      m_sortList(new QListWidget(this)) {
    setWindowTitle("Edit View");
    m_name->setMaxLength(kMaxNameLength);
    connect(m_name, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_draft.SetName(FromQt(text)); });
    connect(m_fields, &QListWidget::itemDoubleClicked, this, [this] { AddColumn(); });
    auto* columns = new QGridLayout;
    columns->addWidget(new QLabel("Fields:", this), 0, 0);
    columns->addWidget(new QLabel("Columns of the view:", this), 0, 2);
    columns->addWidget(m_fields, 1, 0);
    columns->addLayout(MakeColumnButtons(), 1, 1);
    columns->addWidget(m_columns, 1, 2);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("Done", QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* nameRow = new QHBoxLayout;
    auto* nameLabel = new QLabel("View &name:", this);
    nameLabel->setBuddy(m_name);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_name, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addLayout(columns, 1);
    layout->addLayout(MakeSortControls());
    layout->addWidget(buttons);
    Refill(0);
}

QLayout* CViewEditor::MakeColumnButtons() {
    auto* side = new QVBoxLayout;
    auto add = [&](const char* text, auto action) {
        QPushButton* button = Button(text, this);
        connect(button, &QPushButton::clicked, this, action);
        side->addWidget(button);
    };
    add("&Add >>", [this] { AddColumn(); });
    add("<< &Remove", [this] { RemoveColumn(); });
    add("Move &Up", [this] { MoveColumn(-1); });
    add("Move Do&wn", [this] { MoveColumn(1); });
    side->addStretch(1);
    return side;
}

QLayout* CViewEditor::MakeSortControls() {
    m_ascending->setChecked(true);
    QPushButton* add = Button("Add S&ort", this);
    QPushButton* remove = Button("Remove Sor&t", this);
    connect(add, &QPushButton::clicked, this, [this] { AddSortKey(); });
    connect(remove, &QPushButton::clicked, this, [this] { RemoveSortKey(); });
    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel("Sort by:", this));
    choice->addWidget(m_sortField, 1);
    choice->addWidget(m_ascending);
    choice->addWidget(m_descending);
    choice->addWidget(add);
    choice->addWidget(remove);
    auto* group = new QGroupBox("Sort order", this);
    auto* inner = new QVBoxLayout(group);
    inner->addLayout(choice);
    inner->addWidget(m_sortList);
    m_sortList->setMaximumHeight(80);
    auto* layout = new QVBoxLayout;
    layout->addWidget(group);
    return layout;
}

void CViewEditor::Refill(int selectedColumn) {
    m_fields->clear();
    m_columns->clear();
    m_sortField->clear();
    m_sortList->clear();
    for (int slot = 1; slot <= MaxUserFields; ++slot) {
        const CTbObjField* field = m_db.Field(slot);
        if (!field || !field->IsUsed() || m_draft.HasColumn(slot)) continue;
        auto* item = new QListWidgetItem(ToQt(field->GetName()), m_fields);
        item->setData(Qt::UserRole, slot);
    }
    for (int slot : m_draft.Columns()) {
        m_columns->addItem(FieldName(m_db, slot));
        m_sortField->addItem(FieldName(m_db, slot), slot);
    }
    for (const std::string& text : m_draft.SortKeyTexts(m_db)) m_sortList->addItem(ToQt(text));
    if (selectedColumn >= 0 && selectedColumn < m_columns->count()) m_columns->setCurrentRow(selectedColumn);
}

void CViewEditor::Tell(ViewDraft::Refusal refusal) {
    if (m_prompt)
        m_prompt->Show(refusal.title, refusal.text, platform::PromptIcon::Error, platform::PromptButtons::Ok);
}

void CViewEditor::AddColumn() {
    QListWidgetItem* item = m_fields->currentItem();
    int field = item && item->isSelected() ? item->data(Qt::UserRole).toInt() : 0;
    if (ViewDraft::Refusal refusal = m_draft.AddColumn(field)) return Tell(refusal);
    Refill(static_cast<int>(m_draft.Columns().size()) - 1);
}

void CViewEditor::RemoveColumn() {
    int row = m_columns->currentRow();
    if (row < 0) return;
    m_draft.RemoveColumn(row);
    Refill(std::min(row, static_cast<int>(m_draft.Columns().size()) - 1));
}

void CViewEditor::MoveColumn(int delta) {
    int row = m_columns->currentRow();
    if (row >= 0) Refill(m_draft.MoveColumn(row, delta));
}

void CViewEditor::AddSortKey() {
    int field = m_sortField->currentData().toInt();
    if (field > 0 && m_draft.AddSortKey(field, m_descending->isChecked())) Refill(m_columns->currentRow());
}

void CViewEditor::RemoveSortKey() {
    int row = m_sortList->currentRow();
    if (row < 0) return;
    m_draft.RemoveSortKey(row);
    Refill(m_columns->currentRow());
}

void CViewEditor::accept() {
    if (ViewDraft::Refusal refusal = m_draft.CheckDone()) return Tell(refusal);
    m_draft.StoreInto(m_view);
    QDialog::accept();
}

}  // namespace orvanta::app
