// The real file dialogs and QDesktopServices.
#include "app/shell/DesktopSeams.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

namespace orvanta::app {
namespace {

// Qt reads the patterns of a filter line as separated by spaces; the program's lines may separate
// them with ";" ("CSV File (Comma delimited) (*.csv; *.txt)").
QString QtPatterns(const QString& filter) {
    QStringList lines = filter.split(";;");
    for (QString& line : lines) {
        const qsizetype open = line.lastIndexOf('(');
        if (open >= 0) line = line.left(open) + line.mid(open).replace(';', ' ').simplified();
    }
    return lines.join(";;");
}

}  // namespace

QString QtFileDialogs::OpenFileName(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), QtPatterns(filter));
}

QString QtFileDialogs::SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                    const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggested, QtPatterns(filter));
}

bool DesktopDocumentOpener::Open(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace orvanta::app
