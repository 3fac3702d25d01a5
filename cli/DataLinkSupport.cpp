// The steps of import and export runs that the commands and saved specifications share.
#include "cli/DataLinkSupport.h"
#include "cli/StreamPrompt.h"

#include "importexport/CTbImportExport.h"
#include "importexport/ImportExportReport.h"
#include "importexport/UnicodeText.h"
#include "importexport/WorkbookConvert.h"
#include "io/QnFile.h"
#include "library/CTbFolderTabulons.h"
#include "model/IProgressIndicator.h"
#include "model/TbObjDB.h"
#include "platform/Component.h"
#include "platform/Locale.h"

#include <strings.h>
#include <filesystem>

namespace orvanta::cli {

bool ReportStatus(int32_t status, int32_t recordNumber, const std::string& problemText, CommandIo& io) {
    StreamPrompt prompt(io.err);
    return ReportImportExportResult(prompt, status, recordNumber, problemText);
}

int32_t DelimiterForFile(const std::string& path) {
    const std::string extension = std::filesystem::path(path).extension().string();
    return strcasecmp(extension.c_str(), ".tab") == 0 || strcasecmp(extension.c_str(), ".tsv") == 0 ? 0 : 1;
}

AnalysedFile::~AnalysedFile() {
    std::error_code ec;
    if (converted) std::filesystem::remove(readPath, ec);
}

ImportExportOptions OptionsForFile(const std::string& file, const DataLinkRequest& request) {
    ImportExportOptions options = request.options;
    if (!request.delimiterGiven) options.delimiter = DelimiterForFile(file);
    return options;
}

bool AnalyzeForImport(const std::string& file, AnalysedFile* analysed, CommandIo& io) {
    StreamPrompt prompt(io.err);
    ImportExportOptions& options = analysed->options;
    analysed->readPath = file;
    bool workbook = false;
    if (ConvertWorkbookToCsv(file, &analysed->readPath, &workbook, prompt) != 0) return false;
    analysed->converted = workbook;
    TranscodeReport transcoding;
    if (workbook) {
        // The converter writes its CSV with the system's list separator.
        options.delimiter = DelimiterForListSeparator(platform::UserLocale().listSeparator);
    } else {
        const int32_t status =
            TranscodeForImport(file, analysed->encoding, &analysed->readPath, &transcoding);
        if (ReportImportExportResult(prompt, status, -1, "")) return false;
        analysed->converted = transcoding.transcoded;
    }
    if (options.delimiter == 3) {
        prompt.Show("Import Error", kListSeparatorMessage, platform::PromptIcon::Error,
                    platform::PromptButtons::Ok);
        return false;
    }
    std::error_code ec;
    if (!std::filesystem::exists(analysed->readPath, ec)) {
        prompt.Show(
            "File Missing",
            std::string("The specified file cannot be found.  Please use the Browse button to search for "
                        "the file.\n\nCurrent selection: ")
                .append(file),
            platform::PromptIcon::Error, platform::PromptButtons::Ok);
        return false;
    }
    QnFile input(analysed->readPath.c_str());
    const int32_t status =
        CTbImportExport().AnalyzeFile(input, options, &analysed->columns, &analysed->records);
    if (ReportImportExportResult(prompt, status, -1, "")) return false;
    if (transcoding.replaced > 0)
        prompt.Show("Import Warning", ReplacedCharactersMessage(transcoding), platform::PromptIcon::Warning,
                    platform::PromptButtons::Ok);
    return true;
}

bool ImportInto(CTbObjDB& db, const AnalysedFile& analysed, int* added, CommandIo& io) {
    const ImportExportOptions& options = analysed.options;
    if (options.replaceRecords) db.DeleteAllRecords();
    const int before = db.RecordCount();
    int32_t problemRecord = -1;
    std::string problemText;
    if (io.progress) {
        io.progress->Begin();
        io.progress->SetRange(analysed.records);
    }
    QnFile input(analysed.readPath.c_str());
    const int32_t status = CTbImportExport().ImportRecords(input, options, analysed.columns, db,
                                                           &problemRecord, &problemText, io.progress);
    if (io.progress) io.progress->End();
    *added = db.RecordCount() - before;
    return !ReportStatus(status, problemRecord, problemText, io);
}

bool ExportFrom(CTbObjDB& db, const std::string& out, const std::vector<int32_t>& slots,
                const ImportExportOptions& options, const ExportChoice& choice, CommandIo& io) {
    // Joined and computed values are written as they are now, not as the file last stored them.
    try {
        StreamPrompt prompt(io.err);
        ResolveBesideFile(db, io.progress, &prompt);
    } catch (const platform::ComError& error) {
        Failed(io, error.what());
        return false;
    }
    if (io.progress) {
        io.progress->Begin();
        io.progress->SetRange(db.RecordCount());
        io.progress->SetText("Exporting records to file");
    }
    std::string problem;
    const int32_t status =
        ExportInFormat(db, out, slots, options, choice.format, choice.encoding, &problem, io.progress);
    if (io.progress) io.progress->End();
    return !ReportStatus(status, -1, problem, io);
}

}  // namespace orvanta::cli
