// The work of the import and export commands on the file, with their messages: a file made
// ready for import (a workbook converted, the file found, analysed under the please-wait
// window), the import with its progress and the export with its replace question.
#pragma once

#include "app/widgets/PageServices.h"
#include "importexport/ImportExportTypes.h"
#include "importexport/TextEncoding.h"

#include <string>
#include <vector>

class CTbObjDB;

namespace orvanta::app {

// A file analysed for import: the run's options, its columns and record count, the path given
// and the path read (the CSV made from a workbook, deleted with this object).
class PreparedImport {
public:
    PreparedImport() = default;
    ~PreparedImport();
    PreparedImport(const PreparedImport&) = delete;
    PreparedImport& operator=(const PreparedImport&) = delete;

    ImportExportOptions options;
    TextEncoding encoding =
        TextEncoding::Ansi;  // the chosen file's; the engine reads readPath in Windows-1252
    CImportFields columns;
    int32_t records = 0;
    std::string path;
    std::string readPath;
    bool converted = false;
};

enum class Preparation { Ready, FileMissing, Failed };

// Converts a workbook or transcodes a Unicode text file, checks that the file is there ("File
// Missing" otherwise) and analyses it; every failure is told, and characters read as "?" are
// warned of. prepared's options are the run's; a workbook's delimiter follows the system's list
// separator.
Preparation PrepareImport(const std::string& path, const ImportExportOptions& options, TextEncoding encoding,
                          const PageServices& services, PreparedImport* prepared);

// Deletes every record when asked, imports the rows of the columns' targets with progress and
// tells the result; false when the run stopped (what was imported stays).
bool RunImport(CTbObjDB& db, const PreparedImport& prepared, const PageServices& services);

// Asks before replacing an existing file, exports with progress and tells the result; false
// when declined or failed.
bool RunExport(CTbObjDB& db, const std::string& path, const std::vector<int32_t>& fieldSlots,
               const ImportExportOptions& options, TextEncoding encoding, const PageServices& services);

}  // namespace orvanta::app
