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

// Analyses the file (a workbook is converted to a CSV first, deleted again by the caller when
// *converted): the columns, the record count and the path that was read. False when reported.
bool AnalyzeForImport(const std::string& file, ImportExportOptions* options, CImportFields* columns,
                      int32_t* records, std::string* readPath, bool* converted, CommandIo& io);

// Deletes every record when asked, imports, and reports; the number of records added in *added.
// False when the run failed (what was imported stays in db).
bool ImportInto(CTbObjDB& db, const std::string& readPath, const ImportExportOptions& options,
                const CImportFields& mapping, int32_t records, int* added, CommandIo& io);

// Resolves the joins of db (read from its file) against the Tabulons beside that file and
// recalculates every record, then exports the slots to out and reports; false when it failed.
bool ExportFrom(CTbObjDB& db, const std::string& out, const std::vector<int32_t>& slots,
                const ImportExportOptions& options, CommandIo& io);

// Every used slot from 0 to 80 whose field is neither Image nor Plug-In, in slot order.
std::vector<int32_t> ExportableSlots(const CTbObjDB& db);

}  // namespace orvanta::cli
