// Starting the program: with and without a stored user, while HotSync runs, a second start,
// choosing users and categories, and the window's remembered placement.
#include "ShellFixture.h"

#include "app/shell/CPvtrTitleBar.h"
#include "app/shell/TbListModel.h"
#include "library/CPvtrPrefs.h"

#include <QSplitter>

namespace shelltest {
namespace {

void Choose(QComboBox* selector, const QString& text) {
    int index = selector->findText(text);
    QVERIFY(index >= 0);
    selector->setCurrentIndex(index);
    emit selector->activated(index);
}

void WriteCategories(const std::string& dataFolder) {
    fs::create_directories(dataFolder);
    CTbObjDB db;
    db.SetPdbName("MRA_MindoraSysCategories");
    db.SetLocation(dataFolder, false);
    db.SetLoadState(TB_LOAD_NEW);
    auto& items = db.Field(0)->ListProps()->Items();
    items.AddItemWithIndex(1, "Home");
    items.AddItemWithIndex(2, "Work");
    QVERIFY(db.Save() >= 0);
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void withoutStoredUserTheListWaitsForAChoice() {
        ScratchDesktop desktop;
        RunningProgram program;
        QVERIFY(program.Start());
        auto& frame = program.Frame();
        QVERIFY(frame.TabsView().IsWelcomeShown());
        QCOMPARE(frame.ListModel().rowCount(), 0);
        QComboBox* users = frame.TitleBar().UserSelector();
        QCOMPARE(users->count(), 2);
        QCOMPARE(users->currentIndex(), -1);
        QVERIFY(program.prompt.shown.empty());
    }

    void storedUserOpensWithoutQueueing() {
        Library library({{"Beta", {.records = 2}}, {"Alpha", {}}});
        auto& frame = library.Frame();
        QCOMPARE(Texts(&frame.ListModel()), QStringList({"Alpha", "Beta"}));
        QCOMPARE(frame.TitleBar().UserSelector()->currentText(), QString("Ann"));
        QVERIFY(frame.CountPane().text().startsWith("2 items, "));
        QVERIFY2(library.program.prompt.shown.empty(),
                 "opening the stored user never queues the handheld files");
        QVERIFY(!fs::exists(library.desktop.Desktop() + "/ann/Install"));
    }

    void choosingAUserQueuesOnlyForAFolderWithoutCatalogue() {
        ScratchDesktop desktop;
        RunningProgram program;
        QVERIFY(program.Start());
        QComboBox* users = program.Frame().TitleBar().UserSelector();
        Choose(users, "Bob");
        QCOMPARE(program.prompt.shown.size(), size_t(1));
        QCOMPARE(program.prompt.shown[0].title, std::string("Handheld Application Queued For Installation"));
        QVERIFY(fs::exists(desktop.Desktop() + "/bob/Install/Orvanta.prc"));
        QVERIFY(!program.Frame().TabsView().IsWelcomeShown());
        Choose(users, "Ann");
        Choose(users, "Bob");
        QCOMPARE(program.prompt.shown.size(), size_t(2));
        CPvtrPrefs prefs;
        prefs.Load();
        QCOMPARE(prefs.GetUserName(), std::string("Bob"));
    }

    void aCategoryListsOnlyItsTabulons() {
        AnnsLibrary library({{"At Home", {.category = 1}}, {"At Work", {.category = 2}}, {"Loose", {}}});
        WriteCategories(library.Folder() + "data/");
        library.Start();
        auto& frame = library.Frame();
        QComboBox* categories = frame.TitleBar().CategorySelector();
        QCOMPARE(categories->itemText(0), QString("All"));
        Choose(categories, "Work");
        QCOMPARE(Texts(&frame.ListModel()), QStringList({"At Work"}));
        QCOMPARE(Texts(&frame.ListModel(), orvanta::app::TbListModel::Category), QStringList({"Work"}));
        Choose(categories, "All");
        QCOMPARE(Texts(&frame.ListModel()), QStringList({"At Home", "At Work", "Loose"}));
        QCOMPARE(Texts(&frame.ListModel(), orvanta::app::TbListModel::Category),
                 QStringList({"Home", "Work", "Unfiled"}));
    }

    void hotSyncRunningEndsTheStart() {
        ScratchDesktop desktop;
        std::ofstream(desktop.Desktop() + "/HotSync.status") << "1";
        RunningProgram program;
        QVERIFY(!program.Start());
        QVERIFY(program.app.MainFrame() == nullptr);
        QCOMPARE(program.prompt.shown.size(), size_t(1));
        QCOMPARE(program.prompt.shown[0].title, std::string("Hotsync Running"));
        QCOMPARE(program.prompt.shown[0].text, std::string("Cannot open Orvanta while Hotsync is running"));
    }

    void aSecondStartBringsTheFirstForward() {
        ScratchDesktop desktop;
        RunningProgram first;
        QVERIFY(first.Start());
        first.Frame().showMinimized();
        RunningProgram second;
        QVERIFY(!second.Start());
        QVERIFY(second.app.MainFrame() == nullptr);
        QTRY_VERIFY(!first.Frame().isMinimized());
    }

    void placementAndColumnWidthsAreRemembered() {
        ScratchDesktop desktop;
        {
            RunningProgram program;
            QVERIFY(program.Start());
            auto& frame = program.Frame();
            frame.resize(900, 640);
            frame.List().setColumnWidth(0, 333);
            frame.Splitter().setSizes({300, 600});
            frame.close();
        }
        RunningProgram program;
        QVERIFY(program.Start());
        auto& frame = program.Frame();
        QCOMPARE(frame.size(), QSize(900, 640));
        QCOMPARE(frame.List().columnWidth(0), 333);
        QCOMPARE(frame.Splitter().sizes().front(), 300);
    }
};

QObject* NewStartupTest() { return new StartupTest; }

}  // namespace shelltest

#include "StartupTest.moc"
