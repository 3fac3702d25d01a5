// The program's own windows over Qt: message boxes for the prompt seam, the progress window,
// the please-wait window, and the list's model under QAbstractItemModelTester.
#include "ShellFixture.h"

#include "app/shell/CPleaseWaitDlg.h"
#include "app/shell/CProgressDlg.h"
#include "app/shell/QtPrompt.h"
#include "app/shell/TbListModel.h"

#include <QMessageBox>

namespace shelltest {

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void messageBoxesKeepTitleTextIconAndButtons() {
        struct Case {
            PromptButtons buttons;
            QMessageBox::StandardButtons shown;
            QMessageBox::StandardButton press;
            PromptAnswer answer;
            PromptIcon icon;
            QMessageBox::Icon drawn;
        };
        for (const Case& c :
             {Case{PromptButtons::SaveCancel, QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Save,
                   PromptAnswer::Save, PromptIcon::Warning, QMessageBox::Warning},
              Case{PromptButtons::YesNo, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                   PromptAnswer::No, PromptIcon::Question, QMessageBox::Question},
              Case{PromptButtons::OkCancel, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel,
                   PromptAnswer::Cancel, PromptIcon::Error, QMessageBox::Critical}}) {
            QString seen;
            OnNextDialog<QMessageBox>([&seen, c](QMessageBox* box) {
                seen = box->windowTitle() + "|" + box->text() + "|" +
                       QString::number(box->icon() == c.drawn) +
                       QString::number(box->standardButtons() == c.shown);
                box->button(c.press)->click();
            });
            orvanta::app::QtPrompt prompt;
            QCOMPARE(int(prompt.Show("Caf\xE9 Title", "Text \x80", c.icon, c.buttons)), int(c.answer));
            QCOMPARE(seen, QString::fromUtf8("Café Title|Text €|11"));
        }
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
        Library library({{"A", {}}, {"B", {}}, {"C", {}}});
        auto& model = library.Frame().ListModel();
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
