// The workbook converter "Vornish.dll": SaveVornish writes the first worksheet of a workbook
// (.xls through FreeXL; .xlsx and .ods through liborcus) as a CSV file in the user's list
// separator and the Windows-1252 code page, numbers, dates and times as the user's locale shows
// them: the locale the program hands over through SetVornishLocale, else the environment's.
#include "WorkbookSheets.h"

#include "platform/Locale.h"

#include <strings.h>
#include <cstdio>
#include <cstring>

namespace pf = orvanta::platform;

namespace {

bool EndsWith(const char* path, const char* extension) {
    const size_t length = std::strlen(path), size = std::strlen(extension);
    return length >= size && strcasecmp(path + length - size, extension) == 0;
}

int WriteSheet(const char* workbookPath, CsvSheet& sheet) {
    if (EndsWith(workbookPath, ".xlsx")) return WriteOrcusSheet(workbookPath, false, sheet);
    if (EndsWith(workbookPath, ".ods")) return WriteOrcusSheet(workbookPath, true, sheet);
    return WriteXlsSheet(workbookPath, sheet);
}

}  // namespace

// The program's user locale for the conversions that follow, in place of the environment's.
extern "C" __attribute__((visibility("default"))) void SetVornishLocale(const pf::ComponentLocale* locale) {
    if (locale) pf::SetUserLocaleOverride(pf::FromComponentLocale(*locale));
}

// 0 when the CSV was written; otherwise not 0 (no workbook, a damaged or password-protected
// one, or a CSV that could not be written). A CSV left unfinished is removed.
extern "C" __attribute__((visibility("default"))) int SaveVornish(const char* workbookPath,
                                                                  const char* csvPath) {
    if (!workbookPath || !csvPath) return kWorkbookFailed;
    std::FILE* out = std::fopen(csvPath, "wb");
    if (!out) return kWorkbookFailed;
    CsvSheet sheet(out, pf::UserLocale());
    int status = WriteSheet(workbookPath, sheet);
    if (std::fclose(out) != 0) status = kWorkbookFailed;
    if (status != 0) std::remove(csvPath);
    return status;
}
