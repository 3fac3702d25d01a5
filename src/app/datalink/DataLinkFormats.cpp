// The formats of the Data Link pages and their extension rules.
#include "app/datalink/DataLinkFormats.h"

#include <strings.h>

#include <algorithm>
#include <filesystem>

namespace orvanta::app {
namespace {

const char* const kAllFiles = "All Files (*.*)";

struct ExtensionRule {
    const char* extension;
    ExtensionEffect effect;
};

const ExtensionRule kRules[] = {{"tab", ExtensionEffect::Tab},       {"tsv", ExtensionEffect::Tab},
                                {"csv", ExtensionEffect::Comma},     {"xls", ExtensionEffect::Workbook},
                                {"xlsx", ExtensionEffect::Workbook}, {"ods", ExtensionEffect::Workbook}};

}  // namespace

const std::vector<DataLinkFormat>& DataLinkFormats() {
    static const std::vector<DataLinkFormat> formats = {
        {"MS Excel File(*.xls)", {"xls"}, true, false},
        {"CSV File (Comma delimited) (*.csv; *.txt)", {"csv", "txt"}, true, true},
        {"Tab Delimited File (*.tab; *.tsv; *.txt)", {"tab", "tsv", "txt"}, true, true},
        {"Excel Workbook (*.xlsx)", {"xlsx"}, true, true, true},
        {"OpenDocument Spreadsheet (*.ods)", {"ods"}, true, false, true},
        {"JSON File (*.json)", {"json"}, false, true, true},
        {"SQLite Database (*.sqlite; *.sqlite3)", {"sqlite", "sqlite3"}, false, true, true},
    };
    return formats;
}

std::string ImportFileFilter() {
    std::vector<std::string> extensions;
    std::string lines;
    for (const DataLinkFormat& format : DataLinkFormats()) {
        if (!format.imported) continue;
        lines.append(format.filter).append(";;");
        if (format.added) continue;
        for (const char* extension : format.extensions)
            if (std::find(extensions.begin(), extensions.end(), extension) == extensions.end())
                extensions.push_back(extension);
    }
    std::string supported = "Supported Types(";
    for (size_t i = 0; i < extensions.size(); ++i) supported.append(i ? ";*." : "*.").append(extensions[i]);
    return supported.append(");;").append(lines).append(kAllFiles);
}

std::string ExportFileFilter() {
    std::string lines;
    for (const DataLinkFormat& format : DataLinkFormats())
        if (format.exported) lines.append(format.filter).append(";;");
    return lines.append(kAllFiles);
}

ExtensionEffect EffectOfExtension(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    if (!extension.empty()) extension.erase(0, 1);
    for (const ExtensionRule& rule : kRules)
        if (strcasecmp(extension.c_str(), rule.extension) == 0) return rule.effect;
    return ExtensionEffect::None;
}

}  // namespace orvanta::app
