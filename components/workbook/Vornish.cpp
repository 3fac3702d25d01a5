// The workbook converter "Vornish.dll": SaveVornish writes the first worksheet of an Excel
// workbook (.xls, read with FreeXL) as a CSV file in the user's list separator and the
// Windows-1252 code page, numbers, dates and times as the user's locale shows them: the locale
// the program hands over through SetVornishLocale, else the environment's.
#include "platform/CodePage.h"
#include "platform/Locale.h"
#include "platform/OleDate.h"
#include "platform/OleVariant.h"

#include <freexl.h>

#include <cstdio>
#include <memory>
#include <string>

namespace pf = orvanta::platform;

namespace {

constexpr int kFailed = 1;

// "YYYY-MM-DD", "HH:MM:SS" or both with a space between, as FreeXL gives them.
std::string DateTimeText(const char* text, int type, const pf::Locale& locale) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (type == FREEXL_CELL_TIME) {
        if (std::sscanf(text, "%d:%d:%d", &hour, &minute, &second) != 3) return text;
        return pf::FormatTimeOnly(hour, minute, second, locale);
    }
    if (std::sscanf(text, "%d-%d-%d %d:%d:%d", &year, &month, &day, &hour, &minute, &second) < 3) return text;
    std::string shown = pf::FormatDateOnly(year, month, day, locale);
    if (type == FREEXL_CELL_DATETIME)
        shown.append(" ").append(pf::FormatTimeOnly(hour, minute, second, locale));
    return shown;
}

std::string CellText(const FreeXL_CellValue& cell, const pf::Locale& locale) {
    switch (cell.type) {
        case FREEXL_CELL_INT:
            return std::to_string(cell.value.int_value);
        case FREEXL_CELL_DOUBLE:
            return pf::VarTextFromR8(cell.value.double_value, locale);
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT: {
            std::string text;
            pf::Windows1252FromUtf8(cell.value.text_value ? cell.value.text_value : "", &text);
            return text;
        }
        case FREEXL_CELL_DATE:
        case FREEXL_CELL_DATETIME:
        case FREEXL_CELL_TIME:
            return DateTimeText(cell.value.text_value ? cell.value.text_value : "", cell.type, locale);
        default:
            return "";
    }
}

// Quoted, with quotes doubled, when it holds the separator, a quote or a line break.
std::string ForCsv(const std::string& text, char separator) {
    const char special[] = {separator, '"', '\r', '\n', 0};
    if (text.find_first_of(special) == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted.push_back('"');
        quoted.push_back(c);
    }
    return quoted.append("\"");
}

struct Workbook {
    ~Workbook() {
        if (handle) freexl_close(handle);
    }
    const void* handle = nullptr;
};

struct Output {
    ~Output() {
        if (file) std::fclose(file);
    }
    std::FILE* file = nullptr;
};

// FreeXL opens a workbook saved with a password without reading it; its cells are not to be had.
bool IsPlain(const void* handle) {
    unsigned int protection = 0;
    return handle && freexl_get_info(handle, FREEXL_BIFF_PASSWORD, &protection) == FREEXL_OK &&
           protection == FREEXL_BIFF_PLAIN;
}

int WriteSheet(const void* handle, std::FILE* out, const pf::Locale& locale) {
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(handle, 0) != FREEXL_OK ||
        freexl_worksheet_dimensions(handle, &rows, &columns) != FREEXL_OK)
        return kFailed;
    std::string line;
    for (unsigned int row = 0; row < rows; ++row) {
        line.clear();
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue cell{};
            if (freexl_get_cell_value(handle, row, column, &cell) != FREEXL_OK) return kFailed;
            if (column > 0) line.push_back(locale.listSeparator);
            line.append(ForCsv(CellText(cell, locale), locale.listSeparator));
        }
        line.append("\r\n");
        if (std::fwrite(line.data(), 1, line.size(), out) != line.size()) return kFailed;
    }
    return 0;
}

}  // namespace

// The program's user locale for the conversions that follow, in place of the environment's.
extern "C" __attribute__((visibility("default"))) void SetVornishLocale(const pf::ComponentLocale* locale) {
    if (locale) pf::SetUserLocaleOverride(pf::FromComponentLocale(*locale));
}

// 0 when the CSV was written; otherwise not 0 (no workbook, a damaged or password-protected
// one, or a CSV that could not be written).
extern "C" __attribute__((visibility("default"))) int SaveVornish(const char* workbookPath,
                                                                  const char* csvPath) {
    if (!workbookPath || !csvPath) return kFailed;
    Workbook workbook;
    if (freexl_open(workbookPath, &workbook.handle) != FREEXL_OK || !IsPlain(workbook.handle)) return kFailed;
    Output output;
    output.file = std::fopen(csvPath, "wb");
    if (!output.file) return kFailed;
    int status = WriteSheet(workbook.handle, output.file, pf::UserLocale());
    if (std::fclose(output.file) != 0) status = kFailed;
    output.file = nullptr;
    if (status != 0) std::remove(csvPath);
    return status;
}
