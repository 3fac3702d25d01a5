// The view manager.
#include "app/designer/CViewManagerDlg.h"

#include "app/designer/CViewEditor.h"
#include "app/widgets/QtText.h"
#include "app/widgets/SideButton.h"
#include "model/TbObjDB.h"
#include "platform/Prompt.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orvanta::app {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::PromptIcon;

CViewManagerDlg::CViewManagerDlg(CTbObjDB& db, platform::IPrompt* prompt, QWidget* parent)
    : QDialog(parent), m_db(db), m_prompt(prompt), m_list(new QListWidget(this)) {
    setWindowTitle("Views");
    auto* side = new QVBoxLayout;
    auto button = [&](const char* text, auto action) { return SideButton(text, side, this, action); };
    m_new = button("&New...", [this] { NewView(); });
    button("&Edit...", [this] { EditView(); });
    m_delete = button("&Delete", [this] { DeleteView(); });
    side->addStretch(1);
    button("&Close", [this] { reject(); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { EditView(); });
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(side);
    Refill(m_db.GetCurrentView());
}

bool CViewManagerDlg::Refused(const CTbObjDB& db, platform::IPrompt* prompt) {
    for (int slot = 1; slot <= MaxUserFields; ++slot)
        if (const CTbObjField* field = db.Field(slot); field && field->IsUsed()) return false;
    if (prompt)
        prompt->Show("Error",
                     "You cannot edit views if no fields are defined.  Please add fields to the Tabulon and "
                     "then edit and create views.",
                     PromptIcon::Error, PromptButtons::Ok);
    return true;
}

void CViewManagerDlg::Refill(int selected) {
    m_list->clear();
    for (int i = 0; i < m_db.ViewCount(); ++i) m_list->addItem(ToQt(m_db.View(i)->GetName()));
    if (m_list->count() > 0) m_list->setCurrentRow(std::clamp(selected, 0, m_list->count() - 1));
    m_new->setEnabled(m_db.ViewCount() < MaxViews);
    m_delete->setEnabled(m_db.ViewCount() > 1);
}

bool CViewManagerDlg::Edit(int index) {
    CTbObjView* view = m_db.View(index);
    if (!view) return false;
    CViewEditor editor(m_db, *view, m_prompt, this);
    return editor.exec() == QDialog::Accepted;
}

void CViewManagerDlg::NewView() {
    bool wasModified = m_db.IsModified();
    if (Refused(m_db, m_prompt) || !m_db.AddView()) return;
    int index = m_db.ViewCount() - 1;
    if (!Edit(index)) {
        m_db.DeleteView(index);
        m_db.SetModified(wasModified);
    }
    Refill(index);
}

void CViewManagerDlg::EditView() {
    int index = m_list->currentRow();
    if (index < 0 || Refused(m_db, m_prompt)) return;
    Edit(index);
    Refill(index);
}

void CViewManagerDlg::DeleteView() {
    int index = m_list->currentRow();
    if (index < 0 || m_db.ViewCount() <= 1) return;
    QString question = "Delete the view \"" + ToQt(m_db.View(index)->GetName()) + "\"?";
    if (m_prompt && m_prompt->Show("Confirmation", FromQt(question), PromptIcon::Question,
                                   PromptButtons::YesNo) != PromptAnswer::Yes)
        return;
    m_db.DeleteView(index);
    int current = m_db.GetCurrentView();
    if (current > index || current >= m_db.ViewCount())
        m_db.SetCurrentView(static_cast<uint8_t>(current > index ? current - 1 : 0));
    Refill(index);
}

}  // namespace orvanta::app
