// orvanta: the desktop program. With --screenshot it starts as usual, optionally selects a
// Tabulon, writes a picture of the main window and ends (for a machine without a display).
#include "app/shell/CMainFrame.h"
#include "app/shell/CPivotryApp.h"
#include "app/shell/CTbListCtrl.h"
#include "app/shell/DesktopSeams.h"
#include "app/shell/QtPrompt.h"
#include "app/shell/TbListModel.h"
#include "app/widgets/QtText.h"
#include "library/CTbItem.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>

namespace {

using namespace orvanta::app;

void SelectByName(CMainFrame& frame, const QString& name) {
    TbListModel& model = frame.ListModel();
    for (int row = 0; row < model.rowCount(); ++row)
        if (ToQt(model.Item(row)->DisplayName()).compare(name, Qt::CaseInsensitive) == 0)
            frame.List().SelectItem(model.Item(row));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Orvanta");
    QApplication::setApplicationVersion(ORVANTA_VERSION);
    QCommandLineParser options;
    options.setApplicationDescription("Orvanta: the desktop companion for Tabulon databases.");
    options.addHelpOption();
    options.addVersionOption();
    QCommandLineOption screenshot("screenshot", "Write a picture of the main window to FILE and end.",
                                  "FILE");
    QCommandLineOption select("select", "Select the Tabulon NAME after start-up.", "NAME");
    options.addOptions({screenshot, select});
    options.process(application);

    QtPrompt prompt;
    DesktopDocumentOpener opener;
    QtFileDialogs files;
    CPivotryApp orvanta({&prompt, &opener, &files});
    if (!orvanta.Start()) return 0;
    CMainFrame& frame = *orvanta.MainFrame();
    if (options.isSet(select)) SelectByName(frame, options.value(select));
    if (options.isSet(screenshot)) {
        QTimer::singleShot(300, &frame, [&] {
            bool written = frame.grab().save(options.value(screenshot));
            std::fprintf(written ? stdout : stderr, "%s %s\n", written ? "Wrote" : "Could not write",
                         options.value(screenshot).toLocal8Bit().constData());
            QApplication::exit(written ? 0 : 1);
        });
    }
    return QApplication::exec();
}
