// Writes a PNG of each window and dialog of the desktop program, as the program shows them on
// a scratch desktop holding the sample Tabulons, for people to look at. Usage: app_screenshots DIR
#include "../ShellFixture.h"

#include "app/datalink/CDataLinkTab.h"
#include "app/datalink/CExportDlg.h"
#include "app/datalink/CExportFieldsPage.h"
#include "app/datalink/CImportDlg.h"
#include "app/datalink/CMappingPage.h"
#include "app/datalink/COptionsPage.h"
#include "app/datalink/ImportMappingModel.h"
#include "app/designer/CAdvExpressionEditorDlg.h"
#include "app/designer/CFieldFormDesignerTab.h"
#include "app/designer/CFieldPropertiesDlg.h"
#include "app/designer/CViewEditor.h"
#include "app/designer/CViewManagerDlg.h"
#include "app/designer/DesignTips.h"
#include "app/designer/PasswordDialogs.h"
#include "app/records/CDataViewerTab.h"
#include "app/records/CRecordEditor.h"
#include "app/records/ListEditorDialogs.h"
#include "app/records/ListItemsDraft.h"
#include "app/records/RecordPrinter.h"
#include "app/records/TbRecordsModel.h"
#include "app/records/ValueDialogs.h"
#include "app/records/ValueEntryDelegate.h"
#include "app/shell/CDetailsTab.h"
#include "app/shell/CEnterPwdDlg.h"
#include "app/shell/CPleaseWaitDlg.h"
#include "app/shell/CProgressDlg.h"
#include "app/shell/LibraryDialogs.h"
#include "app/shell/QtPrompt.h"
#include "app/shell/TabulonNameDialogs.h"
#include "app/shell/TbListModel.h"
#include "app/wizard/CCreationWizard.h"
#include "importexport/CORVTImportExportSpecListXml.h"

#include <QHeaderView>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>

#include <cstdio>

namespace {

using namespace shelltest;
using namespace orvanta::app;

QString g_folder;
int g_failures = 0;

void Save(QWidget& widget, const char* name) {
    widget.show();
    QApplication::processEvents();
    QString path = g_folder + "/" + name + ".png";
    if (widget.grab().save(path)) {
        std::printf("%s\n", qPrintable(path));
    } else {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        ++g_failures;
    }
}

void CopySamples(const std::string& to) {
    for (const auto& sample : fs::directory_iterator(ORVANTA_SAMPLES_DIR))
        fs::copy_file(sample.path(), to + sample.path().filename().string(),
                      fs::copy_options::overwrite_existing);
}

void Dialogs(CMainFrame& frame, CPivotryDoc& doc) {
    CTbBrowser& browser = doc.Browser();
    CTbItem& item = *frame.CurrentItem();
    CCreationWizard create(browser, CCreationWizard::kAllMethods, nullptr, &frame);
    create.NameEntry()->setText("Garden Log");
    Save(create, "dialog-creation-wizard");
    CRenameTabulonDlg rename(browser, item, &frame);
    Save(rename, "dialog-rename");
    CSaveTbAsDlg saveAs(browser, &frame);
    Save(saveAs, "dialog-save-as");
    browser.AddOrRenameCard("SD Card 256 MB", CardId{1});
    CManageCardsDlg cards(browser, &frame);
    Save(cards, "dialog-manage-cards");
    browser.ScanSamples(ORVANTA_SAMPLES_DIR);
    CSamplesDlg samples(browser, &frame);
    Save(samples, "dialog-samples");
    CEnterPwdDlg password(item.Db(), 0, nullptr, &frame);
    Save(password, "dialog-password");
    auto message =
        QtPrompt::MessageBox("Remove Selected Items",
                             "Are you sure you want to permanently delete the selected Tabulon(s) from "
                             "both the DT and the HH.  (The Tabulons will be removed from the HH on the "
                             "next sync.)",
                             PromptIcon::Question, PromptButtons::YesNo, &frame);
    Save(*message, "message-box");
}

void Waiting(CMainFrame& frame, CPivotryDoc& doc) {
    CProgressDlg& progress = doc.Progress();
    progress.Begin();
    progress.SetText("Loading Tabulons...");
    progress.SetRange(10);
    progress.Step(6);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowTitle() == "Orvanta" && window != &frame)
            Save(*window, "progress");
    progress.End();
    frame.BeginWait("Importing the file");
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowTitle() == "Please Wait") Save(*window, "please-wait");
    frame.EndWait();
}

// The record editor and its dialogs, and the print preview, on the current Tabulon's records.
void RecordWindows(CMainFrame& frame, RunningProgram& program) {
    CDataViewerTab& tab = frame.RecordsTab();
    CTbItem& item = *frame.CurrentItem();
    std::vector<CTbObjRecord*> records;
    for (int row = 0; row < tab.Model().rowCount(); ++row) records.push_back(tab.Model().Record(row));
    const PageServices services{&program.prompt, nullptr, &program.files, &program.opener,
                                &program.Doc().Browser()};
    CRecordEditor editor(services, item, records, 2, &frame);
    editor.SetMode(CRecordEditor::FormView);
    Save(editor, "dialog-record-editor");
    editor.EditValue(1);
    Save(editor, "dialog-record-editor-editing");
    editor.Delegate().CommitOpenEditor();
    CMemoEditDlg memo("Bought at the spring fair.\nReceipt in the blue folder.", &frame);
    Save(memo, "dialog-memo");
    CTimePickerDlg time(QTime(9, 30), &frame);
    Save(time, "dialog-time-picker");
    ListItemsDraft draft(item.Db().Field(2)->ListProps()->Items());
    CListEditorDlg list(draft, &program.prompt, &frame);
    Save(list, "dialog-list-items");
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, &frame);
    std::vector<int> widths;
    for (int column = 0; column < tab.Model().columnCount(); ++column)
        widths.push_back(tab.Grid()->horizontalHeader()->sectionSize(column));
    RecordPrinter pages(tab.Model(), widths,
                        {"Household Inventory", tab.ViewSelector()->currentText(),
                         tab.FilterSelector()->currentText(), tab.CategorySelector()->currentText()});
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&](QPrinter* target) { pages.Print(*target, nullptr); });
    preview.resize(900, 700);
    Save(preview, "dialog-print-preview");
}

// The Designer tab on the current Tabulon, a field's property sheet and the tips window.
void DesignerWindows(CMainFrame& frame, RunningProgram& program) {
    program.Doc().Prefs().SetDesignFirstRun(false);
    frame.TabsView().SelectTab(CTabsView::Designer);
    frame.DesignerTab().SelectField(3);
    frame.DesignerTab().SelectFormRow(2);
    Save(frame, "main-designer-tab");
    const PageServices services{&program.prompt, nullptr, &program.files, &program.opener,
                                &program.Doc().Browser()};
    CFieldPropertiesDlg properties(frame.CurrentItem()->Db(), 3, services, &frame);
    properties.Pages()->setCurrentIndex(1);
    Save(properties, "dialog-field-properties");
    CDesignTipsDlg tips(&frame);
    Save(tips, "dialog-design-tips");
    CTbObjDB& db = frame.CurrentItem()->Db();
    CPasswordsDlg passwords(db, &program.prompt, &frame);
    Save(passwords, "dialog-passwords");
    CViewManagerDlg views(db, &program.prompt, &frame);
    Save(views, "dialog-view-manager");
    CViewEditor view(db, *db.View(0), &program.prompt, &frame);
    Save(view, "dialog-view-editor");
    CTbObjField* computed = db.AddField("Worth", ADV_EXPRESSION_T);
    CAdvExpressionEditorDlg expression(db, *computed, &program.prompt, &frame);
    expression.Text()->setPlainText("Value * Quantity");
    Save(expression, "dialog-expression-editor");
    db.DeleteField(computed->GetSlot());
}

// The Data Link tab with saved specifications, the import's option and mapping pages and the
// export's field page, on the current Tabulon.
void DataLinkWindows(CMainFrame& frame, RunningProgram& program, const std::string& folder) {
    CTbItem& item = *frame.CurrentItem();
    const std::string csv = folder + "inventory.csv";
    std::ofstream(csv, std::ios::binary) << "Item,Room,Value,Bought\r\nReading lamp,Study,45,3/14/2002\r\n"
                                            "Rug,Living Room,320,10/2/2004\r\nKettle,Kitchen,25,1/9/2003\r\n";
    CORVTImportExportSpecListXml specs;
    specs.SetPath(item.SpecificationPath());
    specs.AddSpec(SPEC_KIND_IMPORT, "Spring inventory", csv)->AddImportField("Item", TEXT_T, 1);
    specs.AddSpec(SPEC_KIND_EXPORT, "Insurance list", folder + "insurance.csv")->AddExportField(1);
    specs.Save();
    frame.TabsView().SelectTab(CTabsView::DataLink);
    frame.DataLinkTab().SelectSpec(0);
    Save(frame, "main-datalink-tab");
    const PageServices services{&program.prompt, &program.Doc().Progress(), &program.files,
                                &program.opener, &program.Doc().Browser(),  &frame.PleaseWait()};
    CImportDlg import(item.Db(), specs, nullptr, services, &frame);
    import.Options().SetPath(QString::fromStdString(csv));
    Save(import, "dialog-import-options");
    import.NextButton()->click();
    ImportMappingModel& model = import.Mapping().Model();
    for (int row = 0; row < model.rowCount(); ++row) {
        const auto choices = model.Choices(model.index(row, ImportMappingModel::TargetColumn));
        if (row < 3 && choices.size() > 2 + static_cast<size_t>(row))
            model.setData(model.index(row, ImportMappingModel::TargetColumn), choices[1 + row].second);
    }
    Save(import, "dialog-import-mapping");
    import.reject();
    CExportDlg exporting(item.Db(), specs, nullptr, folder, services, &frame);
    exporting.NextButton()->click();
    QListWidget* fields = exporting.Fields().FieldList();
    for (int row = 0; row < fields->count() && row < 6; row += 2) fields->item(row)->setSelected(true);
    exporting.Fields().ChooseSelected();
    Save(exporting, "dialog-export-fields");
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    g_folder = argc > 1 ? argv[1] : "screenshots";
    fs::create_directories(g_folder.toStdString());
    ScratchDesktop desktop;
    {
        RunningProgram program;
        program.Start();
        Save(program.Frame(), "main-welcome");
        program.Frame().close();
    }
    CopySamples(desktop.UserFolder("ann"));
    desktop.StoreUser("Ann");
    RunningProgram program;
    program.Start();
    CMainFrame& frame = program.Frame();
    frame.List().SelectItem(program.Doc().Browser().FindByDisplayName("Household Inventory"));
    Save(frame, "main-details");
    frame.TabsView().SelectTab(CTabsView::Records);
    Save(frame, "main-records-tab");
    QComboBox* views = frame.RecordsTab().ViewSelector();
    views->setCurrentIndex(views->findText("All fields"));
    emit views->activated(views->currentIndex());
    frame.RecordsTab().Grid()->horizontalScrollBar()->setValue(400);
    Save(frame, "main-records-all-fields");
    RecordWindows(frame, program);
    DesignerWindows(frame, program);
    DataLinkWindows(frame, program, desktop.dir.Path().string() + "/");
    frame.TabsView().SelectTab(CTabsView::Details);
    Dialogs(frame, program.Doc());
    Waiting(frame, program.Doc());
    frame.List().selectAll();
    Save(frame, "main-multiple");
    std::ofstream(desktop.UserFolder("ann") + "MRA_Damaged.PDB") << "not a Tabulon";
    frame.Actions().refresh->trigger();
    frame.List().SelectItem(program.Doc().Browser().FindByDisplayName("Damaged"));
    Save(frame, "main-error");
    return g_failures == 0 ? 0 : 1;
}
