// The list-items editor and its entry dialog.
#include "app/records/ListEditorDialogs.h"

#include "app/records/ListItemsDraft.h"
#include "app/widgets/QtText.h"
#include "app/widgets/SideButton.h"
#include "platform/Prompt.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta::app {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::PromptIcon;

CListItemEditDlg::CListItemEditDlg(const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent), m_entry(new QLineEdit(text, this)) {
    setWindowTitle(title);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_entry);
    layout->addWidget(buttons);
    setMinimumWidth(300);
}

QString CListItemEditDlg::Text() const { return m_entry->text(); }

CListEditorDlg::CListEditorDlg(ListItemsDraft& draft, platform::IPrompt* prompt, QWidget* parent)
    : QDialog(parent), m_draft(draft), m_prompt(prompt), m_list(new QListWidget(this)) {
    setWindowTitle("Edit List Items");
    auto* side = new QVBoxLayout;
    auto button = [&](const char* text, auto action) { SideButton(text, side, this, action); };
    button("&Add...", [this] { AddItem(); });
    button("&Edit...", [this] { EditItem(); });
    button("&Delete", [this] { DeleteItem(); });
    button("Move &Up", [this] { MoveItem(-1); });
    button("Move Do&wn", [this] { MoveItem(1); });
    side->addStretch(1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { EditItem(); });
    auto* body = new QHBoxLayout;
    body->addWidget(m_list, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);
    Refill(0);
}

void CListEditorDlg::Refill(int selected) {
    m_list->clear();
    for (int i = 0; i < m_draft.Count(); ++i) m_list->addItem(ToQt(m_draft.Text(i)));
    if (selected >= 0 && selected < m_draft.Count()) m_list->setCurrentRow(selected);
}

bool CListEditorDlg::AskText(const QString& title, QString* text) {
    CListItemEditDlg entry(title, *text, this);
    if (entry.exec() != QDialog::Accepted) return false;
    *text = entry.Text();
    return true;
}

void CListEditorDlg::AddItem() {
    if (ListItemsDraft::Refusal refusal = m_draft.CanAdd()) return Tell(refusal.title, refusal.text);
    QString text;
    if (!AskText("Add List Item", &text)) return;
    if (ListItemsDraft::Refusal refusal = m_draft.Add(FromQt(text))) return Tell(refusal.title, refusal.text);
    Refill(m_draft.Count() - 1);
}

void CListEditorDlg::EditItem() {
    const int position = m_list->currentRow();
    if (position < 0) return;
    QString text = ToQt(m_draft.Text(position));
    if (!AskText("Edit List Item", &text)) return;
    if (ListItemsDraft::Refusal refusal = m_draft.Edit(position, FromQt(text)))
        return Tell(refusal.title, refusal.text);
    Refill(position);
}

void CListEditorDlg::DeleteItem() {
    const int position = m_list->currentRow();
    if (position < 0 || !m_prompt) return;
    if (m_prompt->Show("Confirmation", "Are you sure you want to delete the list item?", PromptIcon::Question,
                       PromptButtons::YesNo) != PromptAnswer::Yes)
        return;
    m_draft.Remove(position);
    Refill(std::min(position, m_draft.Count() - 1));
}

void CListEditorDlg::MoveItem(int delta) {
    const int position = m_list->currentRow();
    if (position < 0) return Tell("No Selection", "Please select a list item to move.");
    Refill(m_draft.Move(position, delta));
}

void CListEditorDlg::Tell(const char* title, const char* text) {
    if (m_prompt) m_prompt->Show(title, text, PromptIcon::Warning, PromptButtons::Ok);
}

}  // namespace orvanta::app
