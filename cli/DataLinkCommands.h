// The import and export commands of orvanta-cli: analyse a delimited file or workbook, import
// it into a Tabulon, export a Tabulon, and the saved specifications of a Tabulon.
#pragma once

#include "cli/Commands.h"
#include "importexport/ImportExportTypes.h"
#include "importexport/TbFormatExport.h"
#include "importexport/TextEncoding.h"

#include <optional>
#include <string>
#include <vector>

namespace orvanta::cli {

// The command line's choices for one run.
struct DataLinkRequest {
    ImportExportOptions options;
    bool delimiterGiven = false;             // else the file's extension decides
    std::vector<std::string> maps;           // "N=SLOT": column N (from 1) into the field of SLOT
    bool addAll = false;                     // a new field per column, named and typed like it
    std::optional<std::vector<int>> fields;  // export: the slots in order; all exportable when none
    std::optional<std::string> saveSpec;     // store the run under this name
    TextEncoding encoding = TextEncoding::Ansi;
    std::optional<ExportFormat> format;  // export: else the output's extension decides
};

// Fills the request's options from the flags' words; false with the reason on io.err.
bool ReadDataLinkFlags(const std::string& delimiter, const std::string& dateFormat, bool noHeader,
                       bool replace, bool time24, bool seconds, DataLinkRequest* request, CommandIo& io);

// Reads --encoding (import: ansi, utf-8, utf-16, auto; export: ansi, utf-8, utf-8-bom) and the
// export's --format (text, json, xlsx, sqlite; empty: by extension); false with the reason.
bool ReadFormatFlags(const std::string& encoding, const std::string& format, bool exporting,
                     DataLinkRequest* request, CommandIo& io);

// One line per column: number, name, type number, type label (tab-separated); then "records: N".
int RunAnalyze(const std::string& file, const DataLinkRequest& request, CommandIo& io);
// Imports (a workbook converted first), saves and prints "imported: N".
int RunImport(const std::string& tabulon, const std::string& file, const DataLinkRequest& request,
              CommandIo& io);
int RunExport(const std::string& tabulon, const std::string& out, const DataLinkRequest& request,
              CommandIo& io);
// The specifications of a Tabulon: name, "Import" or "Export", the file (tab-separated).
int RunSpecs(const std::string& tabulon, CommandIo& io);
// Runs a saved specification; a mapping or field list that is no longer valid stops the run.
int RunSavedSpec(const std::string& tabulon, const std::string& specName, CommandIo& io);

}  // namespace orvanta::cli
