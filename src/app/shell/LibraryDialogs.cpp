// The cards and samples dialogs.
#include "app/shell/LibraryDialogs.h"

#include "app/widgets/QtText.h"
#include "library/CTbBrowser.h"
#include "platform/Prompt.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta::app {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::PromptIcon;

CManageCardsDlg::CManageCardsDlg(CTbBrowser& browser, QWidget* parent)
    : QDialog(parent), m_browser(browser), m_cards(new QListWidget(this)) {
    setWindowTitle("Manage Expansion Cards");
    m_cards->setObjectName("cards");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* remove = buttons->addButton("Delete", QDialogButtonBox::ActionRole);
    remove->setObjectName("deleteCard");
    connect(remove, &QPushButton::clicked, this, &CManageCardsDlg::DeleteSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("The expansion cards Orvanta knows for this user:", this));
    layout->addWidget(m_cards);
    layout->addWidget(buttons);
    resize(380, 300);
    Refill();
}

void CManageCardsDlg::Refill() {
    m_cards->clear();
    for (int i = 0; i < m_browser.CardCount(); ++i) m_cards->addItem(ToQt(m_browser.Card(i).name));
}

void CManageCardsDlg::DeleteSelected() {
    platform::IPrompt* prompt = m_browser.Prompt();
    int row = m_cards->currentRow();
    if (row < 0 || row >= m_browser.CardCount() || !m_cards->currentItem()->isSelected()) {
        if (prompt)
            prompt->Show("No Selection", "Please select a card to delete.", PromptIcon::Error,
                         PromptButtons::Ok);
        return;
    }
    CardId card = m_browser.Card(row).id;
    if (m_browser.AnyItemOnCard(card)) {
        if (!prompt ||
            prompt->Show(
                "Delete Card",
                "Deletion of this card will cause any Tabulons associated with it to be moved to the "
                "handheld memory.  Are you sure you want to delete this card?",
                PromptIcon::Warning, PromptButtons::OkCancel) != PromptAnswer::Ok)
            return;
        m_browser.MoveCardItemsToHandheld(card);
    }
    m_browser.RemoveCard(card);
    Refill();
}

void CManageCardsDlg::done(int result) {
    m_browser.SaveCatalogue();
    QDialog::done(result);
}

CSamplesDlg::CSamplesDlg(CTbBrowser& browser, QWidget* parent)
    : QDialog(parent), m_browser(browser), m_samples(new QListWidget(this)) {
    setWindowTitle("Sample Tabulons");
    m_samples->setObjectName("samples");
    for (const auto& sample : browser.Samples()) {
        auto* row = new QListWidgetItem(ToQt(sample->DisplayName()), m_samples);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        row->setCheckState(Qt::Unchecked);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton("Install", QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Check the sample Tabulons to install into your library:", this));
    layout->addWidget(m_samples);
    layout->addWidget(buttons);
    resize(380, 320);
}

std::vector<CTbItem*> CSamplesDlg::Chosen() const {
    std::vector<CTbItem*> chosen;
    for (int row = 0; row < m_samples->count(); ++row)
        if (m_samples->item(row)->checkState() == Qt::Checked)
            chosen.push_back(m_browser.Samples()[static_cast<size_t>(row)].get());
    return chosen;
}

}  // namespace orvanta::app
