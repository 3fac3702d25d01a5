// The library commands of the main window: their enabling, delete, rename, save as, cards,
// samples, queueing the handheld files, and the folders and documents they open.
#include "ShellFixture.h"

#include "app/shell/CEnterPwdDlg.h"
#include "app/shell/LibraryDialogs.h"
#include "app/shell/TabulonNameDialogs.h"
#include "app/shell/TbListModel.h"

#include <QCheckBox>

namespace shelltest {
namespace {

using orvanta::app::CMainFrame;
using orvanta::app::CManageCardsDlg;
using orvanta::app::CRenameTabulonDlg;
using orvanta::app::CSamplesDlg;
using orvanta::app::CSaveTbAsDlg;

// Types each name into the naming dialog in turn and presses OK; the dialog stays open while
// its name is refused, and is cancelled when every name was.
template <typename D>
void EnterNames(QStringList names, bool copyRecords = true) {
    OnNextDialog<D>([names, copyRecords](D* dialog) {
        if (auto* copy = dialog->template findChild<QCheckBox*>()) copy->setChecked(copyRecords);
        for (const QString& name : names) {
            dialog->template findChild<QLineEdit*>("name")->setText(name);
            dialog->accept();
            if (!dialog->isVisible()) return;
        }
        dialog->reject();
    });
}

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT
private slots:
    void commandsFollowTheSelection() {
        Library library({{"One", {}}, {"Two", {}}});
        const CMainFrame::Commands& c = library.Frame().Actions();
        for (QAction* always : {c.newTabulon, c.queue, c.cards, c.samples, c.userFolder, c.helpTopics})
            QVERIFY2(always->isEnabled(), qPrintable(always->text()));
        for (QAction* needsOne : {c.open, c.remove, c.rename, c.saveAs, c.exportFile, c.save, c.deleteAll})
            QVERIFY2(!needsOne->isEnabled(), qPrintable(needsOne->text()));
        library.Select("One");
        for (QAction* enabled : {c.open, c.remove, c.rename, c.saveAs, c.exportFile})
            QVERIFY2(enabled->isEnabled(), qPrintable(enabled->text()));
        QVERIFY(!c.save->isEnabled());
        QVERIFY2(!c.recalculate->isEnabled(), "only on the Records tab");
        c.open->trigger();
        QCOMPARE(library.Frame().TabsView().CurrentTab(), orvanta::app::CTabsView::Records);
        QVERIFY(c.recalculate->isEnabled() && c.deleteAll->isEnabled() && c.bestFit->isEnabled());
    }

    void deleteAsksThenDeletesAndRecords() {
        Library library({{"One", {}}, {"Two", {}}, {"Kept", {}}});
        library.Frame().List().selectRow(1);
        library.Frame().List().selectionModel()->select(
            library.Frame().ListModel().index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        library.Frame().Actions().remove->trigger();
        QCOMPARE(library.program.prompt.shown.at(0).title, std::string("Remove Selected Items"));
        QVERIFY(fs::exists(library.File("One")));
        library.program.prompt.answers = {PromptAnswer::Yes};
        library.Frame().Actions().remove->trigger();
        QVERIFY(!fs::exists(library.File("One")) && !fs::exists(library.File("Two")));
        QCOMPARE(library.Frame().ListModel().rowCount(), 1);
        QCOMPARE(library.Browser().DeletedItems().size(), size_t(2));
        QVERIFY(library.Frame().CurrentItem() == nullptr);
    }

    void renameChecksSyncConfigurationAndName() {
        Library library({{"Old", {}}, {"Taken", {}}});
        const CMainFrame::Commands& c = library.Frame().Actions();
        CTbItem* item = library.Item("Old");
        QVERIFY(library.Browser().NewSyncConfiguration(*item));
        library.Select("Old");
        QCOMPARE(library.Run(c.rename).size(), size_t(1));
        uint16_t config = 0;
        QVERIFY2(library.Browser().SyncConfig().HasConfiguration("Old", "Ann", &config), "Cancel keeps it");

        library.program.prompt.answers = {PromptAnswer::Ok, PromptAnswer::Yes};
        EnterNames<CRenameTabulonDlg>({"", "a/b", "taken", "New Name"});
        Messages texts = library.Run(c.rename);
        QCOMPARE(texts.size(), size_t(5));
        QVERIFY(texts[1].starts_with("Any other Tabulons that reference this Tabulon"));
        QCOMPARE(texts[2], std::string("The Tabulon name can not be empty."));
        QVERIFY(texts[3].starts_with("The Tabulon name cannot contain any of the following characters:"));
        QCOMPARE(texts[4],
                 std::string(
                     "There is already a Tabulon with this name.  Enter a different name for the Tabulon"));
        QVERIFY(fs::exists(library.File("New Name")) && !fs::exists(library.File("Old")));
        QVERIFY(!library.Browser().SyncConfig().HasConfiguration("Old", "Ann", &config));
        QCOMPARE(library.Frame().CurrentItem()->DisplayName(), std::string("New Name"));
    }

    void saveAsWritesACopy_data() {
        QTest::addColumn<bool>("copyRecords");
        QTest::newRow("with its records") << true;
        QTest::newRow("without records") << false;
    }
    void saveAsWritesACopy() {
        QFETCH(bool, copyRecords);
        Library library({{"Source", {.records = 4}}});
        library.Select("Source");
        EnterNames<CSaveTbAsDlg>({"Source", "Copy"}, copyRecords);
        Messages texts = library.Run(library.Frame().Actions().saveAs);
        QCOMPARE(texts, Messages{"Cannot create Source.  A Tabulon with this name already exists."});
        CTbObjDB copy;
        copy.SetLocation(library.File("Copy"), true);
        QVERIFY(copy.Load(false) >= 0);
        QCOMPARE(copy.RecordCount(), copyRecords ? 4 : 0);
        QCOMPARE(library.Item("Source")->Db().RecordCount(), 4);
        QCOMPARE(library.Frame().CurrentItem(), library.Item("Copy"));
        QCOMPARE(library.Item("Copy")->GetStatus(), int32_t(TB_STATUS_NEEDS_SYNC));
    }

    void saveAsNeedsTheCopyPassword() {
        Library library({{"Guarded", {.copyPassword = "cp"}}});
        library.Select("Guarded");
        OnNextDialog<orvanta::app::CEnterPwdDlg>([](QDialog* dialog) { dialog->reject(); });
        library.Frame().Actions().saveAs->trigger();
        QCOMPARE(library.Browser().Items().size(), size_t(1));
    }

    void deletingACardAsksWhenTabulonsLiveOnIt() {
        Library library({{"On Card", {}}});
        CardId card{1, 2, 3};
        library.Browser().AddOrRenameCard("SD Card", card);
        library.Item("On Card")->SetCardId(card);
        library.program.prompt.answers = {PromptAnswer::Ok, PromptAnswer::Cancel, PromptAnswer::Ok};
        OnNextDialog<CManageCardsDlg>([](CManageCardsDlg* dialog) {
            QPushButton* remove = dialog->findChild<QPushButton*>("deleteCard");
            dialog->Cards()->clearSelection();
            remove->click();
            dialog->Cards()->setCurrentRow(0);
            remove->click();
            QCOMPARE(dialog->Cards()->count(), 1);
            remove->click();
            QCOMPARE(dialog->Cards()->count(), 0);
            dialog->reject();
        });
        library.Frame().Actions().cards->trigger();
        std::vector<ShownMessage> shown = library.program.prompt.shown;
        QCOMPARE(shown.size(), size_t(3));
        QCOMPARE(shown[0].title, std::string("No Selection"));
        QVERIFY(shown[0].icon == PromptIcon::Error);
        QCOMPARE(shown[1].title, std::string("Delete Card"));
        QVERIFY(library.Item("On Card")->GetCardId() == CardId{});
        QCOMPARE(library.Item("On Card")->GetStatus(), int32_t(TB_STATUS_NEEDS_SYNC));
    }

    void samplesAreInstalledFromTheProgramFolder() {
        Library library;
        std::string samples = library.desktop.Program() + "/Sample Tabulons/";
        fs::create_directories(samples);
        QCOMPARE(library.Run(library.Frame().Actions().samples),
                 Messages{"No Tabulons were found in the Sample Tabulons folder.  Re-install Orvanta "
                          "to get the sample files installed."});
        MakeTabulon(samples, "Recipes", {.records = 3});
        MakeTabulon(samples, "Garden");
        OnNextDialog<CSamplesDlg>([](CSamplesDlg* dialog) {
            dialog->Samples()->item(1)->setCheckState(Qt::Checked);
            dialog->accept();
        });
        QVERIFY(library.Run(library.Frame().Actions().samples).empty());
        QCOMPARE(library.Frame().ListModel().rowCount(), 1);
        QCOMPARE(library.Browser().Items().front()->DisplayName(), std::string("Recipes"));
    }

    void queueingTellsHowItWent() {
        Library library;
        auto shown = [&] {
            library.Frame().Actions().queue->trigger();
            return library.program.prompt.shown.back();
        };
        QCOMPARE(shown().title, std::string("Handheld Application Queued For Installation"));
        QVERIFY(fs::exists(library.desktop.Desktop() + "/ann/Install/OrvantaTimer.prc"));
        fs::remove_all(library.desktop.Program() + "/Handheld");
        ShownMessage failed = shown();
        QCOMPARE(failed.title, std::string("Error"));
        QVERIFY(failed.icon == PromptIcon::Error);
    }

    void documentsAndFoldersOpenThroughTheDesktop() {
        Library library;
        const CMainFrame::Commands& c = library.Frame().Actions();
        QCOMPARE(library.Run(c.helpTopics), Messages{"Unable to launch the desktop help file.  "
                                                     "Re-installing Orvanta may help to correct this "
                                                     "problem."});
        std::string documentation = library.desktop.Program() + "/Documentation/";
        fs::create_directories(documentation);
        std::ofstream(documentation + "Orvanta.html") << "<html></html>";
        QVERIFY(library.Run(c.helpTopics).empty());
        QVERIFY(library.Run(c.userFolder).empty());
        QCOMPARE(library.program.opener.opened,
                 (Messages{documentation + "Orvanta.html", library.desktop.UserFolder("ann")}));
        QCOMPARE(library.Run(c.syncGuide),
                 Messages{"Cannot locate an application to launch the file Dockline Guide.html.  "
                          "Please install the appropriate application and try again."});
        library.program.opener.opens = false;
        QCOMPARE(library.Run(c.archiveFolder).size(), size_t(1));
    }
};

QObject* NewCommandsTest() { return new CommandsTest; }

}  // namespace shelltest

#include "CommandsTest.moc"
