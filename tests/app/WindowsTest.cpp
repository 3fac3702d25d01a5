// The program's own windows over Qt: message boxes for the prompt seam, the progress window,
// the please-wait window, and the list's model under QAbstractItemModelTester.
#include "ShellFixture.h"

#include "app/shell/CPleaseWaitDlg.h"
#include "app/shell/CProgressDlg.h"
#include "app/shell/QtPrompt.h"
#include "app/shell/TbListModel.h"

#include <QAbstractItemModelTester>
#include <QMessageBox>
#include <QPushButton>

namespace shelltest {

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void messageBoxesKeepTitleTextIconAndButtons_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("icon");
        QTest::newRow("Save/Cancel, Save") << int(PromptButtons::SaveCancel) << int(QMessageBox::Save)
                                           << int(PromptAnswer::Save) << int(QMessageBox::Warning);
        QTest::newRow("Yes/No, No") << int(PromptButtons::YesNo) << int(QMessageBox::No)
                                    << int(PromptAnswer::No) << int(QMessageBox::Question);
        QTest::newRow("OK/Cancel, Cancel") << int(PromptButtons::OkCancel) << int(QMessageBox::Cancel)
                                           << int(PromptAnswer::Cancel) << int(QMessageBox::Critical);
    }
    void messageBoxesKeepTitleTextIconAndButtons() {
        QFETCH(int, buttons);
        QFETCH(int, press);
        QFETCH(int, answer);
        QFETCH(int, icon);
        const std::map<int, PromptIcon> icons = {{QMessageBox::Warning, PromptIcon::Warning},
                                                 {QMessageBox::Question, PromptIcon::Question},
                                                 {QMessageBox::Critical, PromptIcon::Error}};
        QString seen;
        OnNextDialog<QMessageBox>([&, press, icon](QMessageBox* box) {
            seen = box->windowTitle() + "|" + box->text() + "|" + QString::number(box->icon() == icon) + "|" +
                   QString::number(box->standardButtons());
            box->button(static_cast<QMessageBox::StandardButton>(press))->click();
        });
        orvanta::app::QtPrompt prompt;
        PromptAnswer given =
            prompt.Show("Caf\xE9 Title", "Text \x80", icons.at(icon), static_cast<PromptButtons>(buttons));
        QCOMPARE(int(given), answer);
        QStringList parts = seen.split('|');
        QCOMPARE(parts[0], QString::fromUtf8("Café Title"));
        QCOMPARE(parts[1], QString::fromUtf8("Text €"));
        QCOMPARE(parts[2], QString("1"));
    }

    void progressNestsAndNeverPassesItsRange() {
        orvanta::app::CProgressDlg progress;
        progress.Begin();
        progress.Begin();
        progress.SetRange(3);
        progress.Step(2);
        progress.Step(5);
        progress.SetText("Loading Tabulons...");
        QCOMPARE(progress.Position(), 3);
        QCOMPARE(progress.Text(), QString("Loading Tabulons..."));
        progress.End();
        QVERIFY2(progress.IsShown(), "the inner End leaves the window");
        progress.End();
        QVERIFY(!progress.IsShown());
        QCOMPARE(progress.Position(), 0);
        progress.End();
    }

    void pleaseWaitAnimatesEvery600msAndNests() {
        orvanta::app::CPleaseWaitDlg wait;
        wait.Begin("Importing");
        QCOMPARE(wait.ShownText(), QString("Importing"));
        QTest::qWait(650);
        QCOMPARE(wait.ShownText(), QString("Importing."));
        QTRY_COMPARE_WITH_TIMEOUT(wait.ShownText(), QString("Importing. . . ."), 2500);
        QTRY_COMPARE_WITH_TIMEOUT(wait.ShownText(), QString("Importing"), 1000);
        wait.Begin("Saving");
        QCOMPARE(wait.Nesting(), 2);
        wait.End();
        QVERIFY(wait.IsShown());
        wait.End();
        QVERIFY(!wait.IsShown());
    }

    void theListModelPassesTheModelTester() {
        ScratchDesktop desktop;
        for (const char* name : {"A", "B", "C"}) MakeTabulon(desktop.UserFolder("ann"), name);
        desktop.StoreUser("Ann");
        RunningProgram program;
        QVERIFY(program.Start());
        auto& model = program.Frame().ListModel();
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.Fill(orvanta::app::TbListModel::kAllCategories, nullptr);
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.headerData(5, Qt::Horizontal, Qt::DisplayRole), QVariant("Size"));
        model.RowChanged(model.Item(1));
        model.Clear();
        QCOMPARE(model.rowCount(), 0);
    }
};

QObject* NewWindowsTest() { return new WindowsTest; }

}  // namespace shelltest

#include "WindowsTest.moc"
