// The export formats beside delimited text: JSON, an Excel workbook (.xlsx) and an SQLite
// database, chosen by name or by the output's extension. Each writes the fields of the slots
// (Image and Plug-In fields and slots above 80 left out) for every record, typed as
// TbTypedValue.h says, stepping progress once per record when given.
#pragma once

#include "importexport/ImportExportTypes.h"
#include "importexport/TextEncoding.h"

#include <cstdint>
#include <string>
#include <vector>

class CTbObjDB;
class IProgressIndicator;

enum class ExportFormat : int32_t { Text = 0, Json = 1, Xlsx = 2, Sqlite = 3 };

// "text", "json", "xlsx", "sqlite": the words of the command line and of saved specifications.
const char* ExportFormatName(ExportFormat format);
// False for any other word (compared without case).
bool ExportFormatFromName(const std::string& name, ExportFormat* format);
// ".json", ".xlsx", ".sqlite" and ".sqlite3" in any letter case; Text for any other.
ExportFormat ExportFormatForPath(const std::string& path);

// An array of objects, one a line, keyed by the field names (see ExportColumnNames), in UTF-8.
// The file is replaced only once it is complete. 0, or kExportWriteFailed.
int32_t ExportJson(CTbObjDB& db, const std::string& path, const std::vector<int32_t>& slots,
                   IProgressIndicator* progress = nullptr);

// One worksheet named after the Tabulon: a bold header row of field names, then typed cells
// (dates and times in the options' date order and time form) in columns fitted to their texts.
// The file is replaced only once it is complete. 0, or kExportWriteFailed.
int32_t ExportXlsx(CTbObjDB& db, const std::string& path, const std::vector<int32_t>& slots,
                   const ImportExportOptions& options, IProgressIndicator* progress = nullptr);

// A table named after the Tabulon in the SQLite database at path (created when missing), a
// column per field with an affinity from its type (INTEGER, REAL or TEXT; dates and times as ISO
// text, Booleans as 1 and 0), a row per record, all in one transaction. A table of that name
// already there is replaced only with replaceTable; otherwise kExportTableExists with *problem
// the table's name. 0, or kExportWriteFailed with *problem the database's reason (nothing
// written).
int32_t ExportSqlite(CTbObjDB& db, const std::string& path, const std::vector<int32_t>& slots,
                     bool replaceTable, std::string* problem, IProgressIndicator* progress = nullptr);

// Exports the slots to path in the format: delimited text through the engine (then rewritten in
// the encoding), JSON, a workbook or an SQLite table (replaced only with the options'
// replaceRecords). 0, or the engine's status with *problem when the format's writer gives one.
int32_t ExportInFormat(CTbObjDB& db, const std::string& path, const std::vector<int32_t>& slots,
                       const ImportExportOptions& options, ExportFormat format, TextEncoding encoding,
                       std::string* problem, IProgressIndicator* progress = nullptr);
