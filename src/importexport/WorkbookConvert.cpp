// Converting a workbook through the run-time library of the workbook converter.
#include "importexport/WorkbookConvert.h"

#include "importexport/ImportExportReport.h"
#include "platform/Component.h"
#include "platform/RuntimeLibrary.h"

#include <strings.h>
#include <cstring>
#include <filesystem>

namespace pf = orvanta::platform;

namespace {

// "<folder>/<base>.csv", or with "_1", "_2" ... while a file of that name exists.
std::string FreeCsvName(const std::string& workbook, const std::string& outputPath) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(outputPath).parent_path();
    const std::string base = fs::path(workbook).stem().string();
    fs::path candidate = folder / (base + ".csv");
    std::error_code ec;
    for (int counter = 1; fs::exists(candidate, ec); ++counter)
        candidate = folder / std::string(base).append("_").append(std::to_string(counter)).append(".csv");
    return candidate.string();
}

// Calls SaveVornish of the first library found: its result, or -1 when there is none.
int32_t CallSaveVornish(const std::string& workbook, const std::string& csv) {
    pf::RuntimeLibrary library;
    for (const std::string& folder : pf::ComponentSearchFolders()) {
        if (!library.Load(std::string(folder).append("/Vornish.dll"))) continue;
        auto save = library.Entry<SaveVornishFunction>("SaveVornish");
        if (!save) return -1;
        if (auto setLocale = library.Entry<SetVornishLocaleFunction>("SetVornishLocale")) {
            const pf::ComponentLocale locale = pf::ToComponentLocale(pf::UserLocale());
            setLocale(&locale);
        }
        return save(workbook.c_str(), csv.c_str());
    }
    return -1;
}

// ".xls" exactly, as it always was; ".xlsx" and ".ods" in any letter case.
bool IsWorkbook(const std::string& path) {
    auto endsWith = [&](const char* extension, bool anyCase) {
        const size_t size = std::strlen(extension);
        if (path.size() < size) return false;
        const char* tail = path.c_str() + path.size() - size;
        return anyCase ? strcasecmp(tail, extension) == 0 : std::strcmp(tail, extension) == 0;
    };
    return endsWith(".xls", false) || endsWith(".xlsx", true) || endsWith(".ods", true);
}

}  // namespace

int32_t DelimiterForListSeparator(char separator) {
    switch (separator) {
        case '\t':
            return 0;
        case ',':
            return 1;
        case ';':
            return 2;
        default:
            return 3;
    }
}

int32_t ConvertWorkbookToCsv(const std::string& path, std::string* outputPath, bool* converted,
                             pf::IPrompt& prompt) {
    *converted = false;
    if (!IsWorkbook(path)) return 0;
    const std::string csv = FreeCsvName(path, *outputPath);
    const int32_t status = CallSaveVornish(path, csv);
    if (status != 0) {
        prompt.Show("Error", kExcelProblemMessage, pf::PromptIcon::Error, pf::PromptButtons::Ok);
        return status;
    }
    *outputPath = csv;
    *converted = true;
    return 0;
}
