// The synchronisation set-up of the Data Link tab.
#include "app/datalink/CSyncSetupBox.h"

#include "library/CTbBrowser.h"
#include "platform/Prompt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta::app {
namespace {

using platform::PromptButtons;
using platform::PromptIcon;

}  // namespace

CSyncSetupBox::CSyncSetupBox(CTbBrowser* library, platform::IPrompt* prompt, QWidget* parent)
    : QGroupBox("Synchronization", parent),
      m_library(library),
      m_prompt(prompt),
      m_state(new QLabel(this)),
      m_setUp(new QPushButton("Set Up Sync...", this)),
      m_remove(new QPushButton("Remove Sync", this)) {
    m_state->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_setUp);
    buttons->addWidget(m_remove);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_state);
    layout->addLayout(buttons);
    connect(m_setUp, &QPushButton::clicked, this, &CSyncSetupBox::SetUp);
    connect(m_remove, &QPushButton::clicked, this, &CSyncSetupBox::Remove);
    Update();
}

void CSyncSetupBox::ShowItem(CTbItem* item) {
    m_item = item;
    Update();
}

void CSyncSetupBox::SetUp() {
    if (!m_item || !m_library) return;
    uint16_t id = kNoSyncConfig;
    const bool has =
        m_library->SyncConfig().HasConfiguration(m_item->DisplayName(), m_library->UserName(), &id);
    const bool done =
        has ? m_library->EditSyncConfiguration(*m_item, id) : m_library->NewSyncConfiguration(*m_item);
    if (!done && m_prompt)
        m_prompt->Show("Synchronization", "The synchronization set-up of this Tabulon could not be saved.",
                       PromptIcon::Error, PromptButtons::Ok);
    Update();
    emit Changed();
}

void CSyncSetupBox::Remove() {
    if (!m_item || !m_library || !m_prompt) return;
    if (m_prompt->Show(
            "Synchronization",
            "This Tabulon will no longer synchronize with a Microsoft Access database.  Are you sure you "
            "want to remove its synchronization set-up?",
            PromptIcon::Question, PromptButtons::YesNo) != platform::PromptAnswer::Yes)
        return;
    m_library->SyncConfig().DeleteConfiguration(m_item->DisplayName(), m_library->UserName());
    m_item->ForgetSyncConfiguration();
    Update();
    emit Changed();
}

void CSyncSetupBox::Update() {
    const bool available = m_library && m_library->SyncConfig().IsAvailable();
    const bool access = available && m_item && m_item->SyncWithText(true) == "Microsoft Access";
    if (!available)
        m_state->setText(
            "The Dockline synchronization component is not installed: this Tabulon synchronizes "
            "with Orvanta Desktop.");
    else
        m_state->setText(access ? "This Tabulon synchronizes with a Microsoft Access table."
                                : "This Tabulon synchronizes with Orvanta Desktop.");
    m_setUp->setText(access ? "Edit Sync..." : "Set Up Sync...");
    m_setUp->setEnabled(available && m_item);
    m_remove->setEnabled(access);
}

}  // namespace orvanta::app
