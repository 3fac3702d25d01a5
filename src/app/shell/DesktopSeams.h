// The desktop's file dialogs and its "open this document" service, behind interfaces so that
// tests answer the dialogs and see which documents and folders the program asked to open.
#pragma once

#include <QString>

class QWidget;

namespace orvanta::platform {
class IPrompt;
}

namespace orvanta::app {

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // The chosen file, or empty when the user cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& caption, const QString& filter) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                 const QString& filter) = 0;
};

class IDocumentOpener {
public:
    virtual ~IDocumentOpener() = default;
    // Opens a document or folder with the desktop's application for it; false when none could.
    virtual bool Open(const QString& path) = 0;
};

// The seams a run of the program is given: messages, documents and file dialogs.
struct AppServices {
    platform::IPrompt* prompt = nullptr;
    IDocumentOpener* opener = nullptr;
    IFileDialogs* files = nullptr;
};

class QtFileDialogs : public IFileDialogs {
public:
    QString OpenFileName(QWidget* parent, const QString& caption, const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                         const QString& filter) override;
};

class DesktopDocumentOpener : public IDocumentOpener {
public:
    bool Open(const QString& path) override;
};

}  // namespace orvanta::app
