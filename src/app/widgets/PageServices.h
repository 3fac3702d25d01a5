// What the main window's tabs and their dialogs are given from the program: messages, progress,
// file dialogs, the desktop's document opener, the library and the please-wait window.
#pragma once

class CTbBrowser;
class IProgressIndicator;

namespace orvanta::platform {
class IPrompt;
}

namespace orvanta::app {

class CPleaseWaitDlg;
class IDocumentOpener;
class IFileDialogs;

struct PageServices {
    platform::IPrompt* prompt = nullptr;
    IProgressIndicator* progress = nullptr;
    IFileDialogs* files = nullptr;
    IDocumentOpener* opener = nullptr;
    CTbBrowser* library = nullptr;  // where joined Tabulons are found
    CPleaseWaitDlg* pleaseWait = nullptr;
};

}  // namespace orvanta::app
