// What the import and export commands share: the delimiter a file's extension implies, the
// engine's reports on the error stream, and the run's steps that a saved specification repeats.
#pragma once

#include "cli/DataLinkCommands.h"

class CTbObjDB;

namespace orvanta::cli {

// Writes the report of a status ("title: message") on io.err; true when the run must stop.
bool ReportStatus(int32_t status, int32_t recordNumber, const std::string& problemText, CommandIo& io);

// Tab for ".tab" and ".tsv", comma otherwise, in any letter case.
int32_t DelimiterForFile(const std::string& path);

// A file analysed for import: the run's options and encoding, its columns and record count, and
// the path that was read: the file itself, or the CSV made from a workbook or the Windows-1252
// copy of a Unicode file, which is removed with this object.
struct AnalysedFile {
    explicit AnalysedFile(const ImportExportOptions& given) : options(given) {}
    ~AnalysedFile();
    AnalysedFile(const AnalysedFile&) = delete;
    AnalysedFile& operator=(const AnalysedFile&) = delete;

    ImportExportOptions options;
    TextEncoding encoding = TextEncoding::Ansi;
    CImportFields columns;
    int32_t records = 0;
    std::string readPath;
    bool converted = false;
};

// The request's options, the delimiter taken from the file's extension when none was given.
ImportExportOptions OptionsForFile(const std::string& file, const DataLinkRequest& request);

// Analyses the file (a workbook is converted to a CSV first, a Unicode text file transcoded) into
// *analysed; characters read as "?" are reported as a warning. False when reported.
bool AnalyzeForImport(const std::string& file, AnalysedFile* analysed, CommandIo& io);

// Deletes every record when asked, imports the analysed file through its columns' targets, and
// reports; the number of records added in *added. False when the run failed (what was imported
// stays in db).
bool ImportInto(CTbObjDB& db, const AnalysedFile& analysed, int* added, CommandIo& io);

// What an export writes: its format (delimited text, JSON, workbook or SQLite) and, for text,
// its encoding.
struct ExportChoice {
    ExportFormat format = ExportFormat::Text;
    TextEncoding encoding = TextEncoding::Ansi;
};

// Resolves the joins of db (read from its file) against the Tabulons beside that file and
// recalculates every record, then exports the slots to out in the chosen format and reports;
// false when it failed. An SQLite table of the Tabulon's name is replaced only with the
// options' replaceRecords.
bool ExportFrom(CTbObjDB& db, const std::string& out, const std::vector<int32_t>& slots,
                const ImportExportOptions& options, const ExportChoice& choice, CommandIo& io);

// Every used slot from 0 to 80 whose field is neither Image nor Plug-In, in slot order.
std::vector<int32_t> ExportableSlots(const CTbObjDB& db);

}  // namespace orvanta::cli
