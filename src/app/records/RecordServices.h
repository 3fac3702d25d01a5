// What the Records tab and the record editor are given from the program: messages, progress,
// file dialogs, the desktop's document opener and the library that holds joined Tabulons.
#pragma once

class CTbBrowser;
class IProgressIndicator;

namespace orvanta::platform {
class IPrompt;
}

namespace orvanta::app {

class IDocumentOpener;
class IFileDialogs;

struct RecordServices {
    platform::IPrompt* prompt = nullptr;
    IProgressIndicator* progress = nullptr;
    IFileDialogs* files = nullptr;
    IDocumentOpener* opener = nullptr;
    CTbBrowser* library = nullptr;
};

}  // namespace orvanta::app
