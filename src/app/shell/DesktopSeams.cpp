// The real file dialogs and QDesktopServices.
#include "app/shell/DesktopSeams.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

namespace orvanta::app {

QString QtFileDialogs::OpenFileName(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString QtFileDialogs::SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                    const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

bool DesktopDocumentOpener::Open(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace orvanta::app
