// What the Data Link tab and its pages are given from the program: messages, progress, the
// please-wait window, file dialogs, the document opener (for help) and the library.
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

struct DataLinkServices {
    platform::IPrompt* prompt = nullptr;
    IProgressIndicator* progress = nullptr;
    CPleaseWaitDlg* pleaseWait = nullptr;
    IFileDialogs* files = nullptr;
    IDocumentOpener* opener = nullptr;
    CTbBrowser* library = nullptr;
};

}  // namespace orvanta::app
