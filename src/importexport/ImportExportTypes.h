// What an import or export run is given and finds: ImportExportOptions (the run's settings),
// CImportField (one column of a file, or one value of a row) and the engine's status codes.
#pragma once

#include "model/TbTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The settings of one run, 16 bytes as specification files keep them.
struct ImportExportOptions {
    int32_t firstRecordFieldNames = 0;  // import: the first row names the columns; export: writes names
    int32_t delimiter = 0;              // 0 tab, 1 comma, 2 semicolon, 3 a list separator of none of these
    int32_t dateFormat = 0;             // 0 month first, 1 day first
    uint8_t timeMilitary = 0;           // export: 24-hour times
    uint8_t timeHasSeconds = 0;         // export: times with seconds
    uint8_t replaceRecords = 0;         // import: delete every record first
    uint8_t pad = 0;
};
static_assert(sizeof(ImportExportOptions) == 16);

inline constexpr uint16_t kNotMapped = 0xFFFF;

// A column (value: its name; target: the slot it is imported into) or a value of a row (value:
// the unquoted text; type: the type it reads as). Type 0 is not yet known.
struct CImportField {
    std::string value;
    int32_t type = NOTUSED_T;
    uint16_t target = kNotMapped;
};
using CImportFields = std::vector<std::unique_ptr<CImportField>>;

// Statuses of the engine besides 0, file statuses and OLE statuses.
inline constexpr int32_t kImportValueTooLong = -221;
inline constexpr int32_t kImportUnexpectedEnd = -245;
inline constexpr int32_t kImportTooManyColumns = -246;
inline constexpr int32_t kImportConversionFailed = -247;
inline constexpr int32_t kImportUnicodeFile = -248;
// The Tabulon holds as many records as a Tabulon file can (65,448); the rest was not imported.
inline constexpr int32_t kImportRecordLimit = -249;
// Export to an SQLite file that already holds a table of the Tabulon's name, not to be replaced.
inline constexpr int32_t kExportTableExists = -250;
// A JSON, workbook or SQLite export could not write its file (the problem text says why).
inline constexpr int32_t kExportWriteFailed = -251;
inline constexpr int32_t kImportUnexpectedException = -1;
inline constexpr int kMaxImportedRecords = 65448;
