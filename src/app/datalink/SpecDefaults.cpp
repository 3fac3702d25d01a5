// Specification names and export file names.
#include "app/datalink/SpecDefaults.h"

#include "app/datalink/DataLinkFormats.h"
#include "importexport/CORVTImportExportSpecListXml.h"
#include "importexport/TbFormatExport.h"

#include <filesystem>

namespace orvanta::app {
namespace {

bool NameTaken(const CORVTImportExportSpecListXml& list, const std::string& name) {
    for (int i = 0; i < list.Count(); ++i)
        if (list.Spec(i)->GetName() == name) return true;
    return false;
}

bool ExtensionMeans(const std::string& path, int32_t delimiter) {
    ExtensionEffect effect = EffectOfExtension(path);
    return delimiter == 0 ? effect == ExtensionEffect::Tab
                          : delimiter == 1 && effect == ExtensionEffect::Comma;
}

}  // namespace

std::string DefaultSpecName(const CORVTImportExportSpecListXml& list, const std::string& stem) {
    for (int number = 1;; ++number) {
        std::string name = stem + " " + std::to_string(number);
        if (!NameTaken(list, name)) return name;
    }
}

const char* ExportExtension(int32_t delimiter) { return delimiter == 0 ? ".txt" : ".csv"; }

std::string DefaultExportPath(const std::string& folder, int32_t delimiter) {
    return folder + "Tabulon_Export" + ExportExtension(delimiter);
}

std::string ExportPathForDelimiter(const std::string& path, int32_t delimiter) {
    // JSON, workbook and database exports keep their extension: it chose their format.
    if (path.empty() || ExtensionMeans(path, delimiter) || ExportFormatForPath(path) != ExportFormat::Text)
        return path;
    return std::filesystem::path(path).replace_extension(ExportExtension(delimiter)).string();
}

std::string WithExportExtension(const std::string& path) {
    if (path.empty() || std::filesystem::path(path).has_extension()) return path;
    return path + ".txt";
}

}  // namespace orvanta::app
