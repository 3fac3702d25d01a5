// Saving runs as specifications in a Tabulon's ".tps" file, for --save-spec and run-spec.
#pragma once

#include "cli/Commands.h"
#include "cli/DataLinkCommands.h"
#include "importexport/CORVTImportExportSpecListXml.h"

#include <string>
#include <vector>

namespace orvanta::cli {

// Reads the specifications of the Tabulon at tabulonPath into list (a missing file is an empty list),
// from the data folder beside it when there is one (a library's);
// false with "There was an error loading the Import / Export specifications." on io.err.
bool LoadSpecs(const std::string& tabulonPath, CORVTImportExportSpecListXml* list, CommandIo& io);

// Stores an import run (its columns with their targets) under name, replacing a specification of that
// name; false when the specifications could not be read or written.
// The text encoding and an export's format given on the command line are kept with it.
bool SaveImportSpec(const std::string& tabulonPath, const std::string& name, const std::string& file,
                    const ImportExportOptions& options, TextEncoding encoding, const CImportFields& columns,
                    CommandIo& io);
bool SaveExportSpec(const std::string& tabulonPath, const std::string& name, const std::string& file,
                    const ImportExportOptions& options, const DataLinkRequest& request,
                    const std::vector<int32_t>& slots, CommandIo& io);

}  // namespace orvanta::cli
