// The defaults of a new import or export: the specification name "Import Spec N" / "Export Spec N" with
// the lowest number free, and the export file's name and extension following the delimiter.
#pragma once

#include <cstdint>
#include <string>

class CORVTImportExportSpecListXml;

namespace orvanta::app {

inline constexpr const char* kImportSpecStem = "Import Spec";
inline constexpr const char* kExportSpecStem = "Export Spec";

// The stem, a space and the lowest number from 1 that no specification of the list bears.
std::string DefaultSpecName(const CORVTImportExportSpecListXml& list, const std::string& stem);

// ".txt" for tab, ".csv" for comma and semicolon.
const char* ExportExtension(int32_t delimiter);
// "Tabulon_Export" with the delimiter's extension in folder (ending in "/").
std::string DefaultExportPath(const std::string& folder, int32_t delimiter);
// The path with the delimiter's extension in place of its own (added when it has none); a path
// whose extension already means that delimiter is kept.
std::string ExportPathForDelimiter(const std::string& path, int32_t delimiter);
// A chosen export file without an extension gets ".txt".
std::string WithExportExtension(const std::string& path);

}  // namespace orvanta::app
