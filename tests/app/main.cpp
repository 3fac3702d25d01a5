// Runs every suite of the desktop program's tests in one QApplication (offscreen by default).
#include <QApplication>
#include <QtTest>

#include <memory>

namespace shelltest {
QObject* NewStartupTest();
QObject* NewSelectionTest();
QObject* NewCommandsTest();
QObject* NewWindowsTest();
QObject* NewRecordsTest();
QObject* NewRecordEditorTest();
QObject* NewDesignerTest();
QObject* NewDesignerDialogsTest();
QObject* NewDataLinkTest();
QObject* NewWizardTest();
}  // namespace shelltest

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    int failures = 0;
    for (auto make : {shelltest::NewStartupTest, shelltest::NewSelectionTest, shelltest::NewCommandsTest,
                      shelltest::NewWindowsTest, shelltest::NewRecordsTest, shelltest::NewRecordEditorTest,
                      shelltest::NewDesignerTest, shelltest::NewDesignerDialogsTest,
                      shelltest::NewDataLinkTest, shelltest::NewWizardTest}) {
        std::unique_ptr<QObject> suite(make());
        failures += QTest::qExec(suite.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
