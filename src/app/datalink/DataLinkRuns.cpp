// Import and export runs through the engine, with the program's progress and messages.
#include "app/datalink/DataLinkRuns.h"

#include "app/datalink/DataLinkFormats.h"
#include "app/shell/CPleaseWaitDlg.h"
#include "importexport/CTbImportExport.h"
#include "importexport/ImportExportReport.h"
#include "importexport/TbFormatExport.h"
#include "importexport/UnicodeText.h"
#include "importexport/WorkbookConvert.h"
#include "io/QnFile.h"
#include "model/IProgressIndicator.h"
#include "model/TbObjDB.h"
#include "platform/Locale.h"
#include "platform/Prompt.h"

#include <chrono>
#include <filesystem>
#include <future>

namespace orvanta::app {
namespace {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::PromptIcon;

// Keeps the messages of work done under the please-wait window until the window has gone.
class HeldPrompt : public platform::IPrompt {
public:
    PromptAnswer Show(const std::string& title, const std::string& text, PromptIcon icon,
                      PromptButtons buttons) override {
        m_held.push_back({title, text, icon, buttons});
        return PromptAnswer::Ok;
    }
    void Release(platform::IPrompt* prompt) {
        for (const Message& message : m_held)
            if (prompt) prompt->Show(message.title, message.text, message.icon, message.buttons);
        m_held.clear();
    }

private:
    struct Message {
        std::string title, text;
        PromptIcon icon;
        PromptButtons buttons;
    };
    std::vector<Message> m_held;
};

// The please-wait window for the lifetime of a piece of work.
class Waiting {
public:
    Waiting(CPleaseWaitDlg* window, const char* text) : m_window(window) {
        if (m_window) m_window->Begin(text);
    }
    ~Waiting() {
        if (m_window) m_window->End();
    }
    Waiting(const Waiting&) = delete;
    Waiting& operator=(const Waiting&) = delete;

private:
    CPleaseWaitDlg* m_window;
};

void Tell(const PageServices& services, const char* title, const std::string& text, PromptIcon icon) {
    if (services.prompt) services.prompt->Show(title, text, icon, PromptButtons::Ok);
}

int32_t ConvertedWorkbook(PreparedImport* prepared, const PageServices& services) {
    HeldPrompt held;
    int32_t status = 0;
    {
        Waiting waiting(
            EffectOfExtension(prepared->path) == ExtensionEffect::Workbook ? services.pleaseWait : nullptr,
            "Getting data from excel file");
        status = ConvertWorkbookToCsv(prepared->path, &prepared->readPath, &prepared->converted, held);
    }
    held.Release(services.prompt);
    return status;
}

// The analysis runs beside the main thread, which keeps the please-wait window painting.
int32_t Analysed(PreparedImport* prepared, const PageServices& services) {
    Waiting waiting(services.pleaseWait, "Preparing to import");
    auto analysis = std::async(std::launch::async, [prepared] {
        QnFile input(prepared->readPath.c_str());
        return CTbImportExport().AnalyzeFile(input, prepared->options, &prepared->columns,
                                             &prepared->records);
    });
    while (analysis.wait_for(std::chrono::milliseconds(40)) != std::future_status::ready)
        if (services.pleaseWait) services.pleaseWait->Pump();
    return analysis.get();
}

}  // namespace

PreparedImport::~PreparedImport() {
    std::error_code ec;
    if (converted) std::filesystem::remove(readPath, ec);
}

namespace {

// A Unicode text file is read through a Windows-1252 copy; characters it cannot hold are warned of.
bool Transcoded(PreparedImport* prepared, const PageServices& services) {
    TranscodeReport report;
    const int32_t status =
        TranscodeForImport(prepared->path, prepared->encoding, &prepared->readPath, &report);
    if (services.prompt && ReportImportExportResult(*services.prompt, status, -1, "")) return false;
    prepared->converted = report.transcoded;
    if (report.replaced > 0)
        Tell(services, "Import Warning", ReplacedCharactersMessage(report), PromptIcon::Warning);
    return true;
}

}  // namespace

Preparation PrepareImport(const std::string& path, const ImportExportOptions& options, TextEncoding encoding,
                          const PageServices& services, PreparedImport* prepared) {
    prepared->options = options;
    prepared->encoding = encoding;
    prepared->path = path;
    prepared->readPath = path;
    if (ConvertedWorkbook(prepared, services) != 0) return Preparation::Failed;
    if (prepared->converted)
        prepared->options.delimiter = DelimiterForListSeparator(platform::UserLocale().listSeparator);
    else if (!Transcoded(prepared, services))
        return Preparation::Failed;
    if (prepared->options.delimiter == 3) {
        Tell(services, "Import Error", kListSeparatorMessage, PromptIcon::Error);
        return Preparation::Failed;
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(prepared->readPath, ec)) {
        Tell(services, "File Missing",
             "The specified file cannot be found.  Please use the Browse button to search for the file.\n\n"
             "Current selection: " +
                 path,
             PromptIcon::Error);
        return Preparation::FileMissing;
    }
    const int32_t status = Analysed(prepared, services);
    if (services.prompt && ReportImportExportResult(*services.prompt, status, -1, ""))
        return Preparation::Failed;
    return Preparation::Ready;
}

bool RunImport(CTbObjDB& db, const PreparedImport& prepared, const PageServices& services) {
    if (prepared.options.replaceRecords) db.DeleteAllRecords();
    int32_t problemRecord = -1;
    std::string problemText;
    int32_t status = 0;
    {
        ProgressShown shown(services.progress);
        if (services.progress) services.progress->SetRange(prepared.records);
        QnFile input(prepared.readPath.c_str());
        status = CTbImportExport().ImportRecords(input, prepared.options, prepared.columns, db,
                                                 &problemRecord, &problemText, services.progress);
    }
    db.SetModified(true);
    if (services.prompt && ReportImportExportResult(*services.prompt, status, problemRecord, problemText))
        return false;
    Tell(services, "Import", "Data imported successfully from " + prepared.path, PromptIcon::Information);
    return true;
}

bool RunExport(CTbObjDB& db, const std::string& path, const std::vector<int32_t>& fieldSlots,
               const ImportExportOptions& options, TextEncoding encoding, const PageServices& services) {
    std::error_code ec;
    const bool existed = std::filesystem::exists(path, ec);
    if (existed &&
        (!services.prompt ||
         services.prompt->Show("File Already Exists", path + " already exists. \nDo you want to replace it?",
                               PromptIcon::Warning, PromptButtons::YesNo) != PromptAnswer::Yes))
        return false;
    int32_t status = 0;
    std::string problem;
    {
        ProgressShown shown(services.progress);
        if (services.progress) {
            services.progress->SetRange(db.RecordCount());
            services.progress->SetText("Exporting records to file");
        }
        // A database whose replacement the user agreed to has its table replaced.
        ImportExportOptions chosen = options;
        if (existed) chosen.replaceRecords = 1;
        status = ExportInFormat(db, path, fieldSlots, chosen, ExportFormatForPath(path), encoding, &problem,
                                services.progress);
    }
    if (services.prompt && ReportImportExportResult(*services.prompt, status, -1, problem)) return false;
    Tell(services, "Export", "Data exported successfully to " + path, PromptIcon::Information);
    return true;
}

}  // namespace orvanta::app
