// The names and extensions of the export formats.
#include "importexport/TbFormatExport.h"

#include <strings.h>
#include <filesystem>

namespace {

struct Named {
    ExportFormat format;
    const char* name;
};

constexpr Named kNames[] = {
    {ExportFormat::Text, "text"},
    {ExportFormat::Json, "json"},
    {ExportFormat::Xlsx, "xlsx"},
    {ExportFormat::Sqlite, "sqlite"},
};

bool Is(const std::string& text, const char* word) { return strcasecmp(text.c_str(), word) == 0; }

}  // namespace

const char* ExportFormatName(ExportFormat format) {
    for (const Named& named : kNames)
        if (named.format == format) return named.name;
    return "text";
}

bool ExportFormatFromName(const std::string& name, ExportFormat* format) {
    for (const Named& named : kNames) {
        if (Is(name, named.name)) {
            *format = named.format;
            return true;
        }
    }
    return false;
}

ExportFormat ExportFormatForPath(const std::string& path) {
    const std::string extension = std::filesystem::path(path).extension().string();
    if (Is(extension, ".json")) return ExportFormat::Json;
    if (Is(extension, ".xlsx")) return ExportFormat::Xlsx;
    if (Is(extension, ".sqlite") || Is(extension, ".sqlite3")) return ExportFormat::Sqlite;
    return ExportFormat::Text;
}
