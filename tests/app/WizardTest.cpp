// The creation wizard: its modes, the 27-character name, each validation message, and the
// three ways on from the main window's New command: the Designer, the sync set-up and the
// import command on the new Tabulon.
#include "ShellFixture.h"

#include "app/datalink/CDataLinkTab.h"
#include "app/datalink/CImportDlg.h"
#include "app/datalink/CSyncSetupBox.h"
#include "app/wizard/CCreationWizard.h"
#include "library/CPvtrPrefs.h"

namespace shelltest {
namespace {

using namespace orvanta::app;

// Ann's library with "Stock", and "Gone", deleted since the last HotSync.
struct WizardLibrary : Library {
    WizardLibrary() : Library({{"Stock", {}}, {"Gone", {}}}) {
        program.Doc().Prefs().SetDesignFirstRun(false);
        Browser().Delete("MRA_Gone", false);
    }
    // The New command, the wizard answered with the name and the method.
    void Create(const QString& name, CCreationWizard::Method method) {
        OnNextDialog<CCreationWizard>([name, method](CCreationWizard* wizard) {
            wizard->NameEntry()->setText(name);
            wizard->MethodButton(method)->click();
        });
        program.Frame().Actions().newTabulon->trigger();
    }
};

bool Offered(CCreationWizard& wizard, CCreationWizard::Method method) {
    return wizard.MethodButton(method)->isVisibleTo(&wizard);
}

}  // namespace

class WizardTest : public QObject {
    Q_OBJECT
private slots:
    void modesOfferTheirMethods() {
        WizardLibrary library;
        CCreationWizard all(library.Browser(), CCreationWizard::kAllMethods, nullptr);
        QCOMPARE(all.windowTitle(), "Create New Tabulon");
        QCOMPARE(all.Prompt()->text(), "Please choose one of the following options:");
        QVERIFY(Offered(all, CCreationWizard::Design) && Offered(all, CCreationWizard::Synchronize) &&
                Offered(all, CCreationWizard::Import));
        QCOMPARE(all.Category()->currentText(), "Unfiled");
        QCOMPARE(all.Location()->currentText(), "Handheld");
        CCreationWizard single(library.Browser(), CCreationWizard::Synchronize, nullptr);
        QCOMPARE(single.Prompt()->text(), "Press the button below to continue creating your Tabulon:");
        QVERIFY(!Offered(single, CCreationWizard::Design) && Offered(single, CCreationWizard::Synchronize) &&
                !Offered(single, CCreationWizard::Import));
    }

    void namesAreCheckedWithTheirMessages() {
        WizardLibrary library;
        CCreationWizard wizard(library.Browser(), CCreationWizard::kAllMethods, &library.program.prompt);
        QTest::keyClicks(wizard.NameEntry(), QString(28, 'n'));
        QCOMPARE(wizard.NameEntry()->text().size(), 27);
        for (const char* name : {"  ", "a/b", "a|b", "stock", "Gone"}) {
            wizard.NameEntry()->setText(name);
            wizard.Choose(CCreationWizard::Design);
            QCOMPARE(wizard.result(), int(QDialog::Rejected));
            QCOMPARE(library.program.prompt.shown.back().title, "Invalid Name");
            QVERIFY(library.program.prompt.shown.back().icon == PromptIcon::Error);
        }
        QCOMPARE(
            library.Take(),
            (Messages{
                "Please enter a name for the new Tabulon.",
                "The Tabulon name cannot contain any of the following characters:\n\n \\ / : * ? \" < > |",
                "The Tabulon name cannot contain any of the following characters:\n\n \\ / : * ? \" < > |",
                "Cannot create stock.  A Tabulon with this name already exists.",
                "Cannot create  Gone. A Tabulon with this name was deleted on the desktop since your last "
                "HotSync. \nUse a unique name for this Tabulon, or perform a HotSync and try this action "
                "again."}));
        QCOMPARE(wizard.NameEntry()->selectedText(), "Gone");
        wizard.NameEntry()->setText("Garden");
        wizard.Choose(CCreationWizard::Import);
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QVERIFY(wizard.ChosenMethod() == CCreationWizard::Import);
    }

    void designOpensTheDesigner() {
        WizardLibrary library;
        library.Create("Garden", CCreationWizard::Design);
        CMainFrame& frame = library.program.Frame();
        QVERIFY(frame.CurrentItem() && frame.CurrentItem()->DisplayName() == "Garden");
        QCOMPARE(frame.TabsView().CurrentTab(), CTabsView::Designer);
    }

    void synchronizeSetsUpTheSync() {
        WizardLibrary library;
        library.Create("Linked", CCreationWizard::Synchronize);
        CMainFrame& frame = library.program.Frame();
        QCOMPARE(frame.TabsView().CurrentTab(), CTabsView::DataLink);
        QCOMPARE(frame.CurrentItem()->SyncWithText(true), "Microsoft Access");
        library.program.prompt.answers = {PromptAnswer::Yes};
        frame.DataLinkTab().Sync().Remove();
        QCOMPARE(frame.CurrentItem()->SyncWithText(true), "Orvanta Desktop");
    }

    void importCreatesTheTabulonFirstAndCancelLeavesItEmpty() {
        WizardLibrary library;
        bool created = false;
        OnNextDialog<CImportDlg>([&](CImportDlg* dialog) {
            CTbItem* item = library.Browser().FindByDisplayName("Fresh");
            created = item && fs::exists(item->FullPath());
            dialog->reject();
        });
        library.Create("Fresh", CCreationWizard::Import);
        QVERIFY(created);
        CTbItem& item = *library.Browser().FindByDisplayName("Fresh");
        QCOMPARE(library.program.Frame().TabsView().CurrentTab(), CTabsView::DataLink);
        QCOMPARE(item.Db().RecordCount(), 0);
        QCOMPARE(item.Db().UsedFieldCount(), 1);
    }
};

QObject* NewWizardTest() { return new WizardTest; }

}  // namespace shelltest

#include "WizardTest.moc"
