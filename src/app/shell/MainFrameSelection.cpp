// The main window's user, category and selection: which Tabulon is current, what the right
// pane shows for it, and saving or discarding its changes when the user moves on.
#include "app/datalink/CDataLinkTab.h"
#include "app/designer/CFieldFormDesignerTab.h"
#include "app/records/CDataViewerTab.h"
#include "app/shell/CDetailsTab.h"
#include "app/shell/CEnterPwdDlg.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CPivotryDoc.h"
#include "app/shell/CPvtrTitleBar.h"
#include "app/shell/CTbListCtrl.h"
#include "app/shell/TbListModel.h"
#include "app/widgets/QtText.h"
#include "model/TbTypes.h"
#include "platform/Prompt.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QStatusBar>

namespace orvanta::app {
namespace {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::PromptIcon;

constexpr int kLoginPassword = 0;
constexpr int kDesignPassword = 2;

const char* const kSaveWarning =
    "This Tabulon has been modified and needs to be saved.  This Tabulon will be installed on the next "
    "HotSync "
    "and will overwrite the copy of the Tabulon on the handheld if it exists.\n\n"
    "To save the changes and overwrite the handheld copy hit Save, otherwise hit Cancel.\n\n"
    "Any changes made to the Tabulon on the handheld since your last HotSync will be lost.";

const char* const kAccessWarning =
    "This Tabulon is configured to sync with a Microsoft Access database.  It has changed since it was last "
    "synchronized, and saving changes made here may produce duplicate records in the Access database after "
    "the "
    "next HotSync.\n\nTo avoid that, HotSync first so that the Tabulon is current, then make your changes.  "
    "Click OK to edit the Tabulon now, or Cancel to leave it as it is.";

}  // namespace

void CMainFrame::Start() {
    RestoreGeometry();
    m_list->RestoreColumnWidths();
    m_titleBar->SetUsers(m_doc.Users(), m_doc.Browser().UserName());
    m_titleBar->SetCategories(m_doc.Browser().Categories());
    FillList();
}

void CMainFrame::OnUserChosen(const QString& user) {
    ClearRightPane();
    int32_t result = m_doc.OpenUser(FromQt(user));
    m_titleBar->SetCategories(m_doc.Browser().Categories());
    FillList();
    if (result == 1) QueueHandheld();
}

void CMainFrame::OnCategoryChosen() {
    ClearRightPane();
    FillList();
}

void CMainFrame::RefreshLibrary() {
    std::string user = m_doc.Browser().UserName();
    std::string current = m_current ? m_current->PdbName() : std::string();
    ClearRightPane();
    m_model->Clear();
    if (!user.empty()) m_doc.Browser().OpenUser(&m_doc.Handheld(), user);
    m_titleBar->SetCategories(m_doc.Browser().Categories());
    FillList();
    if (CTbItem* again = current.empty() ? nullptr : m_doc.Browser().FindByPdbName(current))
        m_list->SelectItem(again);
}

void CMainFrame::FillList() {
    if (m_closing) return;
    CTbItem* keep = m_current;
    {
        QSignalBlocker quiet(m_list->selectionModel());
        m_model->Fill(m_titleBar->CategoryId(), &m_doc.Progress());
    }
    m_countPane->setText(
        QString("%1 items, %2 KB").arg(m_model->rowCount()).arg(m_model->TotalKilobytes(), 0, 'f', 1));
    if (m_doc.Browser().UserFolder().empty()) {
        m_tabs->ShowWelcome();
        UpdateCommands();
        return;
    }
    m_tabs->ShowTabs();
    if (keep && m_model->RowOf(keep) >= 0) {
        QSignalBlocker quiet(m_list->selectionModel());
        m_list->SelectItem(keep);
    } else {
        m_current = nullptr;
    }
    ShowCurrent();
}

void CMainFrame::OnSelectionChanged() {
    std::vector<CTbItem*> selected = m_list->SelectedItems();
    CTbItem* chosen = selected.size() == 1 ? selected.front() : nullptr;
    if (chosen != m_current) {
        SaveCurrent(true);
        m_current = chosen;
    }
    ShowCurrent();
}

void CMainFrame::ShowCurrent() {
    m_refreshPending = false;
    // The grid lets go of the records first; showing the Records tab fills it again.
    m_records->ShowItem(nullptr);
    m_designer->ShowItem(nullptr);
    m_dataLink->ShowItem(nullptr);
    CDetailsTab& details = m_tabs->DetailsTab();
    size_t selected = m_list->SelectedItems().size();
    bool shown = false;
    if (m_current)
        shown = details.ShowItem(*m_current, m_doc.Browser());
    else if (selected > 1)
        details.ShowMultipleSelection();
    else
        details.ShowNoSelection();
    CTabsView::Tab wanted = m_tabs->CurrentTab();
    m_tabs->OfferAllTabs(shown);
    // The tab that was showing is shown again for the new Tabulon, through its passwords.
    m_tabs->SelectTab(CTabsView::Details);
    if (shown && wanted != CTabsView::Details) m_tabs->SelectTab(wanted);
    UpdateCommands();
}

void CMainFrame::ClearRightPane() {
    SaveCurrent(true);
    m_current = nullptr;
    QSignalBlocker quiet(m_list->selectionModel());
    m_list->clearSelection();
    ShowCurrent();
}

bool CMainFrame::TabAllowed(CTabsView::Tab tab) {
    if (!m_current) return false;
    CTbObjDB& db = m_current->Db();
    platform::IPrompt* prompt = m_doc.Prompt();
    if (!GrantAccess(db, kLoginPassword, prompt, this)) return false;
    return tab == CTabsView::Records || GrantAccess(db, kDesignPassword, prompt, this);
}

void CMainFrame::SaveCurrent(bool withPrompt) {
    if (!m_current || m_current->GetStatus() == TB_STATUS_DELETED || !m_current->IsModified()) return;
    int32_t status = m_current->GetStatus();
    if (status != TB_STATUS_NEEDS_SYNC &&
        !Agreed("Orvanta", kSaveWarning, PromptIcon::Warning, PromptButtons::SaveCancel)) {
        // The changes are discarded: the Tabulon is read again from its file, and the right pane
        // is rebuilt by the caller when it stays on this Tabulon.
        m_records->ShowItem(nullptr);
        m_current->Db().Reload(&m_doc.Progress());
        m_refreshPending = withPrompt && !m_closing;
        if (m_refreshPending) m_model->RowChanged(m_current);
        UpdateCommands();
        return;
    }
    if (m_current->Save() < 0) {
        Tell("Error Saving", "There was an error saving this Tabulon.", PromptIcon::Error);
        return;
    }
    m_current->Db().SetModified(false);
    if (status == TB_STATUS_CURRENT) {
        m_current->SetStatus(TB_STATUS_MODIFIED);
        if (withPrompt) m_model->RowChanged(m_current);
    }
    UpdateCommands();
}

bool CMainFrame::ConfirmEdit(CTbItem& item) {
    int32_t status = item.GetStatus();
    if (m_accessWarned.count(&item) || (status != TB_STATUS_NEEDS_SYNC && status != TB_STATUS_MODIFIED) ||
        item.SyncWithText() != "Microsoft Access")
        return true;
    if (!Agreed("Orvanta", kAccessWarning, PromptIcon::Warning, PromptButtons::OkCancel)) return false;
    m_accessWarned.insert(&item);
    return true;
}

}  // namespace orvanta::app
