// Building the main window: its commands, menus, toolbar, panes and remembered geometry.
#include "app/shell/CMainFrame.h"

#include "app/datalink/CDataLinkTab.h"
#include "app/designer/CFieldFormDesignerTab.h"
#include "app/records/CDataViewerTab.h"
#include "app/shell/AppIcon.h"
#include "app/shell/CPivotryDoc.h"
#include "app/shell/CPvtrTitleBar.h"
#include "app/shell/CTbListCtrl.h"
#include "app/shell/TbListModel.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace orvanta::app {
namespace {

constexpr int kDefaultListWidth = 560;

// A command whose prompt is "status line text\ntool tip", as the commands' texts are given.
QAction* Command(QObject* owner, const QString& menuText, const QString& prompt) {
    auto* action = new QAction(menuText, owner);
    QStringList parts = prompt.split('\n');
    action->setStatusTip(parts.front());
    action->setToolTip(parts.size() > 1 ? parts.back() : parts.front());
    return action;
}

}  // namespace

CMainFrame::CMainFrame(CPivotryDoc& doc, const AppServices& services)
    : m_doc(doc),
      m_opener(*services.opener),
      m_pleaseWait(this),
      m_titleBar(new CPvtrTitleBar),
      m_model(new TbListModel(doc.Browser(), this)),
      m_list(new CTbListCtrl(*m_model, doc.Prefs())),
      m_tabs(new CTabsView),
      m_pages{doc.Prompt(), &doc.Progress(), services.files, services.opener, &doc.Browser(), &m_pleaseWait},
      m_records(new CDataViewerTab(m_pages)),
      m_designer(new CFieldFormDesignerTab(m_pages, &doc.Prefs())),
      m_dataLink(new CDataLinkTab(m_pages)),
      m_splitter(new QSplitter(Qt::Horizontal)),
      m_countPane(new QLabel) {
    setObjectName("Orvanta");
    setWindowTitle("Orvanta");
    setWindowIcon(OrvantaIcon());
    doc.Progress().SetParent(this);

    m_splitter->addWidget(m_list);
    m_splitter->addWidget(m_tabs);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_titleBar);
    layout->addWidget(m_splitter, 1);
    setCentralWidget(central);
    statusBar()->addPermanentWidget(m_countPane);
    statusBar()->showMessage("Ready");

    BuildCommands();
    BuildMenus();
    BuildToolBar();

    m_tabs->SetPage(CTabsView::Records, m_records);
    // The designer's three panes scroll rather than widen the window.
    auto* designer = new QScrollArea;
    designer->setWidget(m_designer);
    designer->setWidgetResizable(true);
    designer->setFrameShape(QFrame::NoFrame);
    m_tabs->SetPage(CTabsView::Designer, designer);
    m_tabs->SetPage(CTabsView::DataLink, m_dataLink);
    m_tabs->SetGate([this](CTabsView::Tab tab) { return TabAllowed(tab); });
    m_records->SetEditGate([this] { return m_current && ConfirmEdit(*m_current); });
    m_dataLink->SetEditGate([this] { return m_current && ConfirmEdit(*m_current); });
    connect(m_tabs, &CTabsView::TabShown, this, [this](int tab) {
        if (tab == CTabsView::Records) m_records->ShowItem(m_current);
        if (tab == CTabsView::Designer) m_designer->ShowItem(m_current);
        if (tab == CTabsView::DataLink) m_dataLink->ShowItem(m_current);
        UpdateCommands();
    });
    connect(m_records, &CDataViewerTab::Changed, this, &CMainFrame::OnTabulonChanged);
    connect(m_designer, &CFieldFormDesignerTab::Changed, this, &CMainFrame::OnTabulonChanged);
    connect(m_dataLink, &CDataLinkTab::Changed, this, &CMainFrame::OnTabulonChanged);
    connect(m_titleBar, &CPvtrTitleBar::UserChosen, this, &CMainFrame::OnUserChosen);
    connect(m_titleBar, &CPvtrTitleBar::CategoryChosen, this, &CMainFrame::OnCategoryChosen);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CMainFrame::OnSelectionChanged);
    connect(m_list, &QAbstractItemView::doubleClicked, m_commands.open, &QAction::trigger);
    UpdateCommands();
}

CMainFrame::~CMainFrame() { m_doc.Progress().SetParent(nullptr); }

void CMainFrame::OnTabulonChanged() {
    m_model->RowChanged(m_current);
    UpdateCommands();
}

void CMainFrame::BuildCommands() {
    Commands& c = m_commands;
    QStyle* style = this->style();
    c.newTabulon =
        Command(this, "&New Tabulon...", "Create a new Tabulon\nLaunch the Tabulon Creation Wizard");
    c.newTabulon->setIcon(style->standardIcon(QStyle::SP_FileIcon));
    c.newTabulon->setShortcut(QKeySequence::New);
    c.newTabulon->setIconText("New");
    c.open = Command(this, "&Open", "View and edit the selected Tabulon\nView and edit");
    c.open->setIcon(style->standardIcon(QStyle::SP_DialogOpenButton));
    c.open->setShortcut(QKeySequence::Open);
    c.remove = Command(this, "&Delete", "Delete the selected Tabulons\nDelete selected Tabulons");
    c.remove->setIcon(style->standardIcon(QStyle::SP_TrashIcon));
    c.remove->setShortcut(QKeySequence::Delete);
    c.importFile = Command(this, "&Import...", "Import a file into Orvanta");
    c.exportFile = Command(this, "&Export...", "Export Tabulon database to a file");
    c.syncSetup = Command(this, "&Sync with Access...", "Set up Tabulon database to sync with Access");
    c.bestFit = Command(this, "&Best Fit",
                        "Resize the columns for the best fit based on the cell contents\nBest fit");
    c.save = Command(this, "&Save",
                     "Save any changes to the current Tabulon\nSave any changes to the current Tabulon");
    c.save->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
    c.save->setShortcut(QKeySequence::Save);
    c.queue = Command(this, "&Queue Handheld Applications",
                      "Queue the Orvanta applications for installation to the handheld");
    c.cards = Command(this, "Manage Expansion &Cards...", "Manage the expansion cards recognized by Orvanta");
    c.samples =
        Command(this, "Sample &Tabulons...", "Browse sample Tabulons and select them to be installed.");
    c.rename = Command(this, "&Rename...", "Rename the selected Tabulon\nRename");
    c.rename->setShortcut(Qt::Key_F2);
    c.saveAs =
        Command(this, "Save &As...",
                "Save the current Tabulon as a new Tabulon\nSave the current Tabulon as a new Tabulon");
    c.saveAs->setShortcut(QKeySequence::SaveAs);
    c.recalculate = Command(this, "Re&calculate", "Recalculate expressions for the current Tabulon");
    c.deleteAll = Command(this, "Delete All Records...", "Delete all records in the current Tabulon");
    c.userFolder = Command(this, "Open Tabulons &Folder",
                           "Open the folder containing the Tabulons files for the current user");
    c.archiveFolder = Command(this, "Open &Archive Folder",
                              "Open the folder containing archived Tabulon files for the current user");
    c.print = Command(this, "&Print...", "Print the current record view\nPrint");
    c.print->setShortcut(QKeySequence::Print);
    c.helpTopics = Command(this, "&Help Topics", "Launch the help for the desktop application\nHelp Topics");
    c.helpTopics->setIcon(style->standardIcon(QStyle::SP_DialogHelpButton));
    c.helpTopics->setShortcut(QKeySequence::HelpContents);
    c.helpTopics->setIconText("Help");
    c.handheldGuide =
        Command(this, "Handheld &Reference", "Launch the Handheld Reference Guide\nHandheld Reference");
    c.syncGuide = Command(this, "&Sync Guide", "Launch the Dockline Guide document\nSync Guide");
    c.refresh = Command(this, "Re&fresh", "Read the Tabulons folder of the current user again\nRefresh");
    c.refresh->setShortcut(QKeySequence::Refresh);
    c.exit = Command(this, "E&xit", "Close Orvanta");
    c.exit->setShortcut(QKeySequence::Quit);

    connect(c.newTabulon, &QAction::triggered, this, &CMainFrame::NewTabulon);
    connect(c.open, &QAction::triggered, this, [this] { m_tabs->SelectTab(CTabsView::Records); });
    connect(c.remove, &QAction::triggered, this, &CMainFrame::DeleteSelected);
    for (QAction* dataLink : {c.importFile, c.exportFile, c.syncSetup})
        connect(dataLink, &QAction::triggered, this, [this] { m_tabs->SelectTab(CTabsView::DataLink); });
    connect(c.save, &QAction::triggered, this, [this] {
        SaveCurrent(true);
        if (m_refreshPending) ShowCurrent();
    });
    connect(c.queue, &QAction::triggered, this, &CMainFrame::QueueHandheld);
    connect(c.cards, &QAction::triggered, this, &CMainFrame::ManageCards);
    connect(c.samples, &QAction::triggered, this, &CMainFrame::BrowseSamples);
    connect(c.rename, &QAction::triggered, this, &CMainFrame::RenameSelected);
    connect(c.saveAs, &QAction::triggered, this, &CMainFrame::SaveCurrentAs);
    connect(c.bestFit, &QAction::triggered, m_records, &CDataViewerTab::BestFit);
    connect(c.print, &QAction::triggered, this, [this] { m_records->Print(); });
    connect(c.recalculate, &QAction::triggered, this, &CMainFrame::RecalculateCurrent);
    connect(c.deleteAll, &QAction::triggered, this, &CMainFrame::DeleteAllRecords);
    connect(c.userFolder, &QAction::triggered, this, [this] { OpenFolder(m_doc.Browser().UserFolder()); });
    connect(c.archiveFolder, &QAction::triggered, this,
            [this] { OpenFolder(m_doc.Browser().ArchiveFolder()); });
    connect(c.helpTopics, &QAction::triggered, this, [this] { OpenDocumentation("Orvanta.html", true); });
    connect(c.handheldGuide, &QAction::triggered, this,
            [this] { OpenDocumentation("Handheld Reference Guide.html", false); });
    connect(c.syncGuide, &QAction::triggered, this,
            [this] { OpenDocumentation("Dockline Guide.html", false); });
    connect(c.refresh, &QAction::triggered, this, &CMainFrame::RefreshLibrary);
    connect(c.exit, &QAction::triggered, this, &QWidget::close);
}

void CMainFrame::BuildMenus() {
    const Commands& c = m_commands;
    QMenu* file = menuBar()->addMenu("&File");
    file->addActions({c.newTabulon, c.open, c.save, c.saveAs});
    file->addSeparator();
    file->addActions({c.rename, c.remove});
    file->addSeparator();
    file->addAction(c.print);
    file->addSeparator();
    file->addAction(c.exit);
    QMenu* tabulon = menuBar()->addMenu("&Tabulon");
    tabulon->addActions({c.importFile, c.exportFile, c.syncSetup});
    tabulon->addSeparator();
    tabulon->addActions({c.recalculate, c.bestFit, c.deleteAll});
    QMenu* view = menuBar()->addMenu("&View");
    view->addActions({c.refresh, c.userFolder, c.archiveFolder});
    QMenu* tools = menuBar()->addMenu("T&ools");
    tools->addActions({c.samples, c.cards, c.queue});
    QMenu* help = menuBar()->addMenu("&Help");
    help->addActions({c.helpTopics, c.handheldGuide, c.syncGuide});
}

void CMainFrame::BuildToolBar() {
    QToolBar* bar = addToolBar("Commands");
    bar->setObjectName("toolBar");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->addActions({m_commands.newTabulon, m_commands.open, m_commands.save, m_commands.remove});
    bar->addSeparator();
    bar->addAction(m_commands.helpTopics);
}

void CMainFrame::RestoreGeometry() {
    int32_t x = 0, y = 0, h = 0, w = 0;
    m_doc.Prefs().GetWindowPosition(&x, &y, &h, &w);
    resize(std::max(w, 480), std::max(h, 320));
    move(x, y);
    int list = static_cast<int>(m_doc.Prefs().GetSplitterPosition());
    int width = std::max(w, 480);
    if (list <= 0 || list >= width) list = std::min(kDefaultListWidth, width * 11 / 20);
    m_splitter->setSizes({list, width - list});
}

void CMainFrame::KeepGeometry() {
    QRect frame = normalGeometry();
    m_doc.Prefs().SetWindowPosition(frame.x(), frame.y(), frame.height(), frame.width());
    QList<int> sizes = m_splitter->sizes();
    if (!sizes.isEmpty()) m_doc.Prefs().SetSplitterPosition(static_cast<uint32_t>(sizes.front()));
}

void CMainFrame::UpdateCommands() {
    const Commands& c = m_commands;
    size_t selected = m_list->SelectedItems().size();
    bool current = m_current != nullptr;
    bool offered = current && m_tabs->Tabs()->isTabEnabled(CTabsView::Records);
    bool onRecords = offered && !m_tabs->IsWelcomeShown() && m_tabs->CurrentTab() == CTabsView::Records;
    c.open->setEnabled(selected == 1);
    c.remove->setEnabled(selected >= 1);
    for (QAction* dataLink : {c.importFile, c.exportFile, c.syncSetup}) dataLink->setEnabled(offered);
    c.save->setEnabled(current && m_current->IsModified());
    c.rename->setEnabled(current);
    c.saveAs->setEnabled(current);
    c.recalculate->setEnabled(onRecords);
    c.deleteAll->setEnabled(onRecords);
    c.bestFit->setEnabled(onRecords);
    c.print->setEnabled(onRecords);
}

void CMainFrame::BringForward() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    m_closing = true;
    SaveCurrent(true);
    KeepGeometry();
    event->accept();
}

}  // namespace orvanta::app
