// The main window's library commands: new, delete, rename, save as, cards, samples, queueing
// the handheld applications, recalculating, deleting all records, folders and documentation.
#include "app/datalink/CDataLinkTab.h"
#include "app/datalink/CSyncSetupBox.h"
#include "app/designer/CFieldFormDesignerTab.h"
#include "app/records/CDataViewerTab.h"
#include "app/shell/CEnterPwdDlg.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CPivotryDoc.h"
#include "app/shell/CTbListCtrl.h"
#include "app/shell/DesktopSeams.h"
#include "app/shell/LibraryDialogs.h"
#include "app/shell/TabulonNameDialogs.h"
#include "app/shell/TbListModel.h"
#include "app/widgets/QtText.h"
#include "app/wizard/CCreationWizard.h"
#include "pdb/TbPDBWriter.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompt.h"

#include <QFileInfo>

namespace orvanta::app {
namespace {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::PromptIcon;

constexpr int kCopyPassword = 4;

std::string CannotLaunch(const std::string& file) {
    return std::string("Cannot locate an application to launch the file ")
        .append(file)
        .append(".  Please install the appropriate application and try again.");
}

const char* const kChooseUser = kChooseUser;

}  // namespace

void CMainFrame::Tell(const std::string& title, const std::string& text, PromptIcon icon) {
    if (platform::IPrompt* prompt = m_doc.Prompt()) prompt->Show(title, text, icon, PromptButtons::Ok);
}

bool CMainFrame::Agreed(const std::string& title, const std::string& text, PromptIcon icon,
                        PromptButtons buttons) {
    platform::IPrompt* prompt = m_doc.Prompt();
    if (!prompt) return false;
    PromptAnswer answer = prompt->Show(title, text, icon, buttons);
    return answer == PromptAnswer::Yes || answer == PromptAnswer::Ok || answer == PromptAnswer::Save;
}

void CMainFrame::NewTabulon() {
    CTbBrowser& browser = m_doc.Browser();
    if (browser.UserFolder().empty()) {
        Tell("Orvanta", kChooseUser, PromptIcon::Information);
        return;
    }
    CCreationWizard wizard(browser, CCreationWizard::kAllMethods, m_doc.Prompt(), this);
    if (wizard.exec() != QDialog::Accepted) return;
    if (browser.CreateTabulon(wizard.NewName(), wizard.CategoryIndex(), wizard.Card()) < 0) return;
    std::string pdbName;
    CTbObjDB::NormalizePdbName(wizard.NewName(), true, &pdbName);
    FillList();
    CTbItem* created = browser.FindByPdbName(pdbName);
    if (!created) return;
    m_list->SelectItem(created);
    switch (wizard.ChosenMethod()) {
        case CCreationWizard::Design:
            m_tabs->SelectTab(CTabsView::Designer);
            break;
        case CCreationWizard::Synchronize:
            if (m_tabs->SelectTab(CTabsView::DataLink)) m_dataLink->Sync().SetUp();
            break;
        case CCreationWizard::Import:
            if (m_tabs->SelectTab(CTabsView::DataLink)) m_dataLink->NewImport();
            break;
    }
}

void CMainFrame::DeleteSelected() {
    std::vector<CTbItem*> selected = m_list->SelectedItems();
    if (selected.empty() ||
        !Agreed(
            "Remove Selected Items",
            "Are you sure you want to permanently delete the selected Tabulon(s) from both the DT and the "
            "HH.  (The Tabulons will be removed from the HH on the next sync.)",
            PromptIcon::Question, PromptButtons::YesNo))
        return;
    std::vector<std::string> names;
    for (CTbItem* item : selected) names.push_back(item->PdbName());
    ClearRightPane();
    m_model->Clear();
    for (const std::string& name : names)
        if (m_doc.Browser().Delete(name, false) < 0)
            Tell("Orvanta", "The Tabulon " + name.substr(4) + " could not be deleted.", PromptIcon::Error);
    FillList();
}

void CMainFrame::RenameSelected() {
    std::vector<CTbItem*> selected = m_list->SelectedItems();
    if (selected.size() != 1) {
        Tell("Rename Tabulon",
             selected.empty() ? "Please select a Tabulon to rename."
                              : "Please only select one Tabulon to rename.",
             PromptIcon::Information);
        return;
    }
    CTbItem& item = *selected.front();
    CTbBrowser& browser = m_doc.Browser();
    if (item.SyncWithText(true) == "Microsoft Access") {
        if (!Agreed("Rename Tabulon",
                    "This Tabulon is set to synchronize with a Microsoft Access database.  Re-naming this "
                    "Tabulon will cause the sync configuration to be lost.  Click OK to re-name the Tabulon "
                    "and remove the sync configuration, otherwise click Cancel.",
                    PromptIcon::Warning, PromptButtons::OkCancel))
            return;
        browser.SyncConfig().DeleteConfiguration(item.DisplayName(), browser.UserName());
        item.ForgetSyncConfiguration();
    }
    if (!Agreed("Rename Tabulon",
                "Any other Tabulons that reference this Tabulon (ie: via a DBJoin) will need to be manually "
                "updated to account for this name change.  Are you sure you want to change the name of this "
                "Tabulon?",
                PromptIcon::Question, PromptButtons::YesNo))
        return;
    CRenameTabulonDlg dialog(browser, item, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (browser.Rename(item.FileName(), dialog.NewName()) < 0)
        Tell("Rename Tabulon", "The Tabulon could not be renamed: " + item.Db().Writer().GetErrorText(),
             PromptIcon::Error);
    FillList();
    m_list->SelectItem(&item);
}

void CMainFrame::SaveCurrentAs() {
    if (!m_current) return;
    CTbItem& item = *m_current;
    CTbObjDB& db = item.Db();
    CTbBrowser& browser = m_doc.Browser();
    if (!GrantAccess(db, kCopyPassword, m_doc.Prompt(), this)) return;
    CSaveTbAsDlg dialog(browser, this);
    if (dialog.exec() != QDialog::Accepted) return;
    std::string pdbName;
    CTbObjDB::NormalizePdbName(dialog.NewName(), true, &pdbName);
    if (item.Load(false) < 0) {
        Tell("Error Saving", "There was an error saving this Tabulon.", PromptIcon::Error);
        return;
    }
    // The Tabulon in memory, changes and all, is written under the new name; the current item then
    // reads its own file again.
    std::string oldName = db.GetPdbName(), folder = db.GetFolder();
    db.SetPdbName(pdbName);
    db.SetLocation(folder, false);
    if (!dialog.CopyRecords()) db.DeleteAllRecords();
    TbResult saved = item.Save();
    std::string fileName = db.FileName();
    m_records->ShowItem(nullptr);
    m_designer->ShowItem(nullptr);
    m_dataLink->ShowItem(nullptr);
    db.SetPdbName(oldName);
    db.SetLocation(folder, false);
    db.Reload(&m_doc.Progress());
    if (saved < 0) {
        Tell("Error Saving", "There was an error saving this Tabulon.", PromptIcon::Error);
        return;
    }
    CTbItem* copy = browser.AddItem(fileName, &item.GetCardId());
    FillList();
    if (copy) m_list->SelectItem(copy);
}

void CMainFrame::ManageCards() {
    CManageCardsDlg dialog(m_doc.Browser(), this);
    dialog.exec();
    FillList();
}

void CMainFrame::BrowseSamples() {
    CTbBrowser& browser = m_doc.Browser();
    std::string program = platform::ProgramFolderWith("Sample Tabulons");
    if (program.empty() || browser.ScanSamples(program + "/Sample Tabulons") == 0) {
        Tell("Orvanta",
             "No Tabulons were found in the Sample Tabulons folder.  Re-install Orvanta to get the sample "
             "files "
             "installed.",
             PromptIcon::Warning);
        return;
    }
    if (browser.UserFolder().empty()) {
        Tell("Orvanta", kChooseUser, PromptIcon::Information);
        return;
    }
    CSamplesDlg dialog(browser, this);
    if (dialog.exec() != QDialog::Accepted) return;
    for (CTbItem* sample : dialog.Chosen()) browser.InstallSample(*sample);
    FillList();
}

void CMainFrame::QueueHandheld() {
    CHandheldDesktop queue(m_doc.DesktopFolder());
    int32_t result =
        queue.QueueHandheldApplications(platform::ProgramFolderWith("Handheld"), m_doc.Browser().UserName());
    queue.Unload();
    if (result != 0) {
        Tell("Error", "The handheld applications did not install correctly.", PromptIcon::Error);
        return;
    }
    Tell("Handheld Application Queued For Installation",
         "The handheld application has been queued for installation.  Installation will occur at the time of "
         "the "
         "next synchronization.",
         PromptIcon::Information);
}

void CMainFrame::RecalculateCurrent() {
    if (!m_current || m_current->Load(false) < 0) return;
    m_current->ResolveJoins();
    m_current->Recalculate(true);
    m_records->Reload();
    m_model->RowChanged(m_current);
    UpdateCommands();
}

void CMainFrame::DeleteAllRecords() {
    if (!m_current || !ConfirmEdit(*m_current)) return;
    if (!Agreed("Orvanta", "Are you sure you want to delete all records in the Tabulon?",
                PromptIcon::Question, PromptButtons::YesNo))
        return;
    if (m_current->Load(false) < 0) return;
    m_records->ShowItem(nullptr);
    m_current->Db().DeleteAllRecords();
    m_model->RowChanged(m_current);
    ShowCurrent();
}

void CMainFrame::OpenFolder(const std::string& folder) {
    if (folder.empty()) {
        Tell("Orvanta", kChooseUser, PromptIcon::Information);
        return;
    }
    if (!m_opener.Open(ToQt(folder))) Tell("Orvanta", CannotLaunch(folder), PromptIcon::Error);
}

void CMainFrame::OpenDocumentation(const char* fileName, bool isHelp) {
    std::string program = platform::ProgramFolderWith("Documentation");
    std::string path = (program.empty() ? std::string() : program + "/Documentation/") + fileName;
    if (!program.empty() && QFileInfo::exists(QString::fromStdString(path)) &&
        m_opener.Open(QString::fromStdString(path)))
        return;
    if (isHelp)
        Tell("Orvanta",
             "Unable to launch the desktop help file.  Re-installing Orvanta may help to correct this "
             "problem.",
             PromptIcon::Error);
    else
        Tell("Orvanta", CannotLaunch(fileName), PromptIcon::Error);
}

}  // namespace orvanta::app
