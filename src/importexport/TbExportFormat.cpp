// The names and extensions of the export formats.
#include "importexport/TbFormatExport.h"

#include "importexport/CTbImportExport.h"
#include "importexport/UnicodeText.h"
#include "io/QnFile.h"

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

int32_t ExportInFormat(CTbObjDB& db, const std::string& path, const std::vector<int32_t>& slots,
                       const ImportExportOptions& options, ExportFormat format, TextEncoding encoding,
                       std::string* problem, IProgressIndicator* progress) {
    switch (format) {
        case ExportFormat::Json:
            return ExportJson(db, path, slots, progress);
        case ExportFormat::Xlsx:
            return ExportXlsx(db, path, slots, options, progress);
        case ExportFormat::Sqlite:
            return ExportSqlite(db, path, slots, options.replaceRecords != 0, problem, progress);
        default: {
            QnFile output(path.c_str());
            const int32_t status = CTbImportExport().ExportRecords(db, output, slots, options, progress);
            return status == 0 ? TranscodeExportedFile(path, encoding) : status;
        }
    }
}
