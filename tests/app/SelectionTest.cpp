// Selecting Tabulons: what the Details tab shows, the password gates of the tabs, and saving or
// discarding the current Tabulon's changes when the selection moves on.
#include "ShellFixture.h"

#include "app/shell/CDetailsTab.h"
#include "app/shell/CEnterPwdDlg.h"
#include "app/shell/TbListModel.h"

#include <QTabWidget>

namespace shelltest {
namespace {

using orvanta::app::CEnterPwdDlg;
using orvanta::app::CTabsView;

int RecordsInFile(const std::string& path) {
    CTbObjDB db;
    db.SetLocation(path, true);
    return db.Load(false) >= 0 ? db.RecordCount() : -1;
}

void EnterPasswords(QStringList entries) {
    OnNextDialog<CEnterPwdDlg>([entries](CEnterPwdDlg* dialog) {
        for (const QString& entry : entries) {
            if (entry.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->findChild<QLineEdit*>("password")->setText(entry);
            dialog->accept();
        }
    });
}

struct SelectionLibrary : Library {
    using Library::Library;
    QString Heading() { return Frame().TabsView().DetailsTab().Heading(); }
    // Deletes every record of the current Tabulon through the Records tab's command.
    void DeleteAllRecords() {
        QVERIFY(Frame().TabsView().SelectTab(CTabsView::Records));
        program.prompt.answers.push_back(PromptAnswer::Yes);
        Frame().Actions().deleteAll->trigger();
    }
};

}  // namespace

class SelectionTest : public QObject {
    Q_OBJECT
private slots:
    void detailsFollowTheSelection() {
        SelectionLibrary library({{"One", {.records = 3}}, {"Two", {}}});
        auto& frame = library.Frame();
        QCOMPARE(library.Heading(), QString("  PLEASE SELECT A TABULON"));
        library.Select("One");
        QCOMPARE(library.Heading(), QString("  ONE"));
        QVERIFY(frame.TabsView().DetailsTab().Body().contains(
            QString::fromStdString(library.paths[0]).section('/', 0, -2)));
        QVERIFY(frame.TabsView().Tabs()->isTabEnabled(CTabsView::Records));
        frame.List().selectAll();
        QCOMPARE(library.Heading(), QString("  MULTIPLE TABULONS SELECTED"));
        QVERIFY(frame.CurrentItem() == nullptr);
        QVERIFY(!frame.TabsView().Tabs()->isTabEnabled(CTabsView::Records));
        QVERIFY(!frame.Actions().rename->isEnabled());
        QVERIFY(frame.Actions().remove->isEnabled());
        frame.List().clearSelection();
        QCOMPARE(library.Heading(), QString("  PLEASE SELECT A TABULON"));
        QVERIFY(!frame.Actions().remove->isEnabled());
    }

    void aTabulonThatCannotBeShownOffersOnlyItsErrorPage() {
        SelectionLibrary library({{"Fine", {}}});
        std::string broken = library.desktop.UserFolder("ann") + "MRA_Broken.PDB";
        std::ofstream(broken) << "not a Tabulon at all";
        library.Frame().Actions().refresh->trigger();
        library.Select("Broken");
        QCOMPARE(library.Heading(), QString("  ERROR!"));
        QString body = library.Frame().TabsView().DetailsTab().Body();
        QVERIFY(body.startsWith("Orvanta encountered an error while reading the Tabulon: Broken."));
        QVERIFY(body.contains(QString::fromStdString(broken)));
        QVERIFY(!library.Frame().TabsView().SelectTab(CTabsView::Records));
    }

    void aPasswordIsAskedOnceAndAWrongOneIsTold() {
        SelectionLibrary library({{"Locked", {.loginPassword = "pw"}}, {"Other", {.loginPassword = "pw"}}});
        auto& tabs = library.Frame().TabsView();
        library.Select("Locked");
        EnterPasswords({"wrong", "pw"});
        QVERIFY(tabs.SelectTab(CTabsView::Records));
        QCOMPARE(library.program.prompt.shown.size(), size_t(1));
        QCOMPARE(library.program.prompt.shown[0].title, std::string("Invalid Password"));
        QCOMPARE(library.program.prompt.shown[0].text, std::string("The password entered is incorrect."));
        // The tab that was showing is shown for the next Tabulon, through its own password.
        EnterPasswords({""});
        library.Select("Other");
        QCOMPARE(tabs.CurrentTab(), CTabsView::Details);
        library.Select("Locked");
        QCOMPARE(tabs.CurrentTab(), CTabsView::Details);
        QVERIFY2(tabs.SelectTab(CTabsView::Records), "granted once, asked no more");
    }

    void aNeedsSyncTabulonIsSavedWithoutWarning() {
        SelectionLibrary library({{"One", {.records = 5}}, {"Two", {}}});
        library.Select("One");
        library.DeleteAllRecords();
        QVERIFY(library.Frame().Actions().save->isEnabled());
        library.Select("Two");
        QCOMPARE(library.Take(), Messages{"Are you sure you want to delete all records in the Tabulon?"});
        QCOMPARE(RecordsInFile(library.paths[0]), 0);
        QCOMPARE(library.Item("One")->GetStatus(), int32_t(TB_STATUS_NEEDS_SYNC));
    }

    void aCurrentTabulonWarnsFirst_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("Save writes it and marks it Modified") << true;
        QTest::newRow("Cancel discards the changes") << false;
    }
    void aCurrentTabulonWarnsFirst() {
        QFETCH(bool, save);
        SelectionLibrary library({{"One", {.records = 5}}, {"Two", {}}});
        library.Item("One")->SetStatus(TB_STATUS_CURRENT);
        library.Select("One");
        library.DeleteAllRecords();
        library.Take();
        library.program.prompt.answers.push_back(save ? PromptAnswer::Save : PromptAnswer::Cancel);
        library.Select("Two");
        QCOMPARE(library.program.prompt.shown.size(), size_t(1));
        QVERIFY(library.program.prompt.shown[0].text.starts_with(
            "This Tabulon has been modified and needs to be saved."));
        QVERIFY(library.program.prompt.shown[0].buttons == PromptButtons::SaveCancel);
        CTbItem* one = library.Item("One");
        QCOMPARE(RecordsInFile(library.paths[0]), save ? 0 : 5);
        QCOMPARE(one->Db().RecordCount(), save ? 0 : 5);
        QVERIFY(!one->IsModified());
        QCOMPARE(one->GetStatus(), int32_t(save ? TB_STATUS_MODIFIED : TB_STATUS_CURRENT));
        auto& model = library.Frame().ListModel();
        QCOMPARE(
            model.data(model.index(model.RowOf(one), orvanta::app::TbListModel::Status), Qt::DisplayRole),
            QVariant(save ? "Modified" : "Current"));
    }

    void editingAnAccessTabulonIsConfirmedOncePerRun() {
        SelectionLibrary library({{"Synced", {.records = 2}}});
        CTbItem* item = library.Item("Synced");
        QVERIFY(library.Browser().NewSyncConfiguration(*item));
        library.Select("Synced");
        QVERIFY(library.Frame().TabsView().SelectTab(CTabsView::Records));
        library.Frame().Actions().deleteAll->trigger();
        QCOMPARE(library.program.prompt.shown.size(), size_t(1));
        QVERIFY(library.Take()[0].starts_with(
            "This Tabulon is configured to sync with a Microsoft Access database."));
        QCOMPARE(item->Db().RecordCount(), 2);
        library.program.prompt.answers = {PromptAnswer::Ok, PromptAnswer::Yes};
        library.Frame().Actions().deleteAll->trigger();
        library.program.prompt.answers = {PromptAnswer::Yes};
        library.Frame().Actions().deleteAll->trigger();
        Messages texts = library.Take();
        QCOMPARE(texts.size(), size_t(3));
        QCOMPARE(texts[2], std::string("Are you sure you want to delete all records in the Tabulon?"));
        QCOMPARE(item->Db().RecordCount(), 0);
    }
};

QObject* NewSelectionTest() { return new SelectionTest; }

}  // namespace shelltest

#include "SelectionTest.moc"
