// CMainFrame: the main window: the title band with the user and category selectors, menus and
// toolbar, the list of Tabulons beside the tabs of the current one, and the status bar. It
// carries out the library commands and keeps the current Tabulon saved or discarded as told.
#pragma once

#include "app/shell/CPleaseWaitDlg.h"
#include "app/shell/CTabsView.h"
#include "app/shell/DesktopSeams.h"
#include "app/widgets/PageServices.h"
#include "platform/Prompt.h"

#include <QMainWindow>

#include <set>
#include <string>

class CTbItem;
class QAction;
class QLabel;
class QSplitter;

namespace orvanta::app {

class CDataLinkTab;
class CDataViewerTab;
class CFieldFormDesignerTab;
class CPivotryDoc;
class CPvtrTitleBar;
class CTbListCtrl;
class IDocumentOpener;
class TbListModel;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    struct Commands {
        QAction *newTabulon, *open, *remove, *importFile, *exportFile, *syncSetup, *bestFit, *save, *queue,
            *cards, *samples, *rename, *saveAs, *recalculate, *deleteAll, *userFolder, *archiveFolder, *print,
            *helpTopics, *handheldGuide, *syncGuide, *refresh, *exit;
    };

    CMainFrame(CPivotryDoc& doc, const AppServices& services);
    ~CMainFrame() override;

    // After the document's New: takes the window's placement from the preferences and fills the
    // selectors and the list of the stored user.
    void Start();
    // Brings the window forward (a second start of the program asks this).
    void BringForward();

    // The please-wait window of work that cannot count its steps.
    void BeginWait(const QString& text) { m_pleaseWait.Begin(text); }
    void EndWait() { m_pleaseWait.End(); }
    CPleaseWaitDlg& PleaseWait() { return m_pleaseWait; }

    // Saves the current Tabulon as the user agrees (see the source); withPrompt also redraws.
    void SaveCurrent(bool withPrompt);
    // Asks once per Tabulon and run before editing one that syncs with Microsoft Access while
    // it is not current; false when the user declines the edit.
    bool ConfirmEdit(CTbItem& item);

    CTbItem* CurrentItem() const { return m_current; }
    const Commands& Actions() const { return m_commands; }
    CPvtrTitleBar& TitleBar() const { return *m_titleBar; }
    CTbListCtrl& List() const { return *m_list; }
    TbListModel& ListModel() const { return *m_model; }
    CTabsView& TabsView() const { return *m_tabs; }
    CDataViewerTab& RecordsTab() const { return *m_records; }
    CFieldFormDesignerTab& DesignerTab() const { return *m_designer; }
    CDataLinkTab& DataLinkTab() const { return *m_dataLink; }
    QLabel& CountPane() const { return *m_countPane; }
    QSplitter& Splitter() const { return *m_splitter; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Building the window (CMainFrame.cpp).
    void BuildCommands();
    void BuildMenus();
    void BuildToolBar();
    void RestoreGeometry();
    void KeepGeometry();
    void UpdateCommands();

    // The list, the selection and the right pane (MainFrameSelection.cpp).
    void OnUserChosen(const QString& user);
    void OnCategoryChosen();
    void FillList();
    // Reads the user's folder again (files added or removed by other programs).
    void RefreshLibrary();
    void OnSelectionChanged();
    // The Records or Designer tab changed the current Tabulon.
    void OnTabulonChanged();
    void ShowCurrent();
    void ClearRightPane();
    bool TabAllowed(CTabsView::Tab tab);

    // The commands (MainFrameCommands.cpp).
    // The creation wizard, then the new Tabulon and the way on the user chose.
    void NewTabulon();
    void DeleteSelected();
    void RenameSelected();
    void SaveCurrentAs();
    void ManageCards();
    void BrowseSamples();
    void QueueHandheld();
    void RecalculateCurrent();
    void DeleteAllRecords();
    void OpenFolder(const std::string& folder);
    void OpenDocumentation(const char* fileName, bool isHelp);
    void Tell(const std::string& title, const std::string& text, platform::PromptIcon icon);
    // Asks; true for Yes, OK or Save (never without a prompt).
    bool Agreed(const std::string& title, const std::string& text, platform::PromptIcon icon,
                platform::PromptButtons buttons);

    CPivotryDoc& m_doc;
    IDocumentOpener& m_opener;
    CPleaseWaitDlg m_pleaseWait;
    Commands m_commands{};
    CPvtrTitleBar* m_titleBar;
    TbListModel* m_model;
    CTbListCtrl* m_list;
    CTabsView* m_tabs;
    PageServices m_pages;  // what the tabs are given
    CDataViewerTab* m_records;
    CFieldFormDesignerTab* m_designer;
    CDataLinkTab* m_dataLink;
    QSplitter* m_splitter;
    QLabel* m_countPane;
    CTbItem* m_current = nullptr;
    std::set<const CTbItem*> m_accessWarned;
    bool m_closing = false;
    bool m_refreshPending = false;
};

}  // namespace orvanta::app
