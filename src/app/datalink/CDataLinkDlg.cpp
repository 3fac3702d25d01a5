// The pages and buttons of the import and export commands.
#include "app/datalink/CDataLinkDlg.h"

#include "app/datalink/COptionsPage.h"
#include "app/shell/DesktopSeams.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompt.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace orvanta::app {

CDataLinkDlg::CDataLinkDlg(const QString& title, const PageServices& services, QWidget* parent)
    : QDialog(parent),
      m_services(services),
      m_pages(new QStackedWidget(this)),
      m_back(new QPushButton("<- Back", this)),
      m_next(new QPushButton("Next ->", this)),
      m_save(new QPushButton("Save", this)),
      m_saveAndRun(new QPushButton("Save and Run", this)) {
    setWindowTitle(title);
    auto* cancel = new QPushButton("Cancel", this);
    auto* help = new QPushButton("HELP", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch(1);
    for (QPushButton* button : {m_back, m_next, m_save, m_saveAndRun, cancel}) buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    m_next->setDefault(true);

    connect(m_back, &QPushButton::clicked, this, [this] {
        Back();
        UpdateButtons();
    });
    connect(m_next, &QPushButton::clicked, this, [this] {
        if (Next()) ShowPage(Page() + 1);
    });
    connect(m_save, &QPushButton::clicked, this, [this] {
        if (Leave()) done(Saved);
    });
    connect(m_saveAndRun, &QPushButton::clicked, this, [this] {
        if (Leave()) done(SavedAndRun);
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &CDataLinkDlg::OpenHelp);
}

int CDataLinkDlg::Page() const { return m_pages->currentIndex(); }

void CDataLinkDlg::AddPage(QWidget* page) { m_pages->addWidget(page); }

void CDataLinkDlg::ShowPage(int page) {
    m_pages->setCurrentIndex(page);
    UpdateButtons();
}

void CDataLinkDlg::UpdateButtons() {
    const bool last = Page() == m_pages->count() - 1;
    m_back->setEnabled(Page() > 0);
    m_next->setEnabled(!last);
    m_next->setDefault(!last);
    m_save->setEnabled(last && CanSave());
    m_saveAndRun->setEnabled(last && CanSave());
    m_saveAndRun->setDefault(last);
}

bool CDataLinkDlg::OptionsGiven(const COptionsPage& options) {
    if (options.SpecName().empty()) {
        Tell("Invalid Spec Name", "Please enter a Spec Name.");
        return false;
    }
    if (options.Path().empty()) {
        Tell("No File Selected", "Please select a file.");
        return false;
    }
    return true;
}

void CDataLinkDlg::Tell(const char* title, const std::string& text, bool error) {
    if (m_services.prompt)
        m_services.prompt->Show(title, text,
                                error ? platform::PromptIcon::Error : platform::PromptIcon::Warning,
                                platform::PromptButtons::Ok);
}

void CDataLinkDlg::OpenHelp() {
    const std::string program = platform::ProgramFolderWith("Documentation");
    const QString path = QString::fromStdString(program + "/Documentation/Orvanta.html");
    if (!program.empty() && QFileInfo::exists(path) && m_services.opener && m_services.opener->Open(path))
        return;
    Tell("Orvanta",
         "Unable to launch the desktop help file.  Re-installing Orvanta may help to correct this problem.");
}

}  // namespace orvanta::app
