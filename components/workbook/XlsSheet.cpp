// The first worksheet of an .xls workbook, read with FreeXL.
#include "WorkbookSheets.h"

#include <freexl.h>

#include <cstdio>

namespace {

// "YYYY-MM-DD", "HH:MM:SS" or both with a space between, as FreeXL gives them.
std::string DateTimeText(const char* text, int type, const CsvSheet& sheet) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (type == FREEXL_CELL_TIME) {
        if (std::sscanf(text, "%d:%d:%d", &hour, &minute, &second) != 3) return text;
        return sheet.DateTimeText(0, 0, 0, hour, minute, second, false, true);
    }
    if (std::sscanf(text, "%d-%d-%d %d:%d:%d", &year, &month, &day, &hour, &minute, &second) < 3) return text;
    return sheet.DateTimeText(year, month, day, hour, minute, second, true, type == FREEXL_CELL_DATETIME);
}

std::string CellText(const FreeXL_CellValue& cell, const CsvSheet& sheet) {
    switch (cell.type) {
        case FREEXL_CELL_INT:
            return std::to_string(cell.value.int_value);
        case FREEXL_CELL_DOUBLE:
            return sheet.NumberText(cell.value.double_value);
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT:
            return CsvSheet::Utf8Text(cell.value.text_value ? cell.value.text_value : "");
        case FREEXL_CELL_DATE:
        case FREEXL_CELL_DATETIME:
        case FREEXL_CELL_TIME:
            return DateTimeText(cell.value.text_value ? cell.value.text_value : "", cell.type, sheet);
        default:
            return "";
    }
}

struct Workbook {
    ~Workbook() {
        if (handle) freexl_close(handle);
    }
    const void* handle = nullptr;
};

// FreeXL opens a workbook saved with a password without reading it; its cells are not to be had.
bool IsPlain(const void* handle) {
    unsigned int protection = 0;
    return handle && freexl_get_info(handle, FREEXL_BIFF_PASSWORD, &protection) == FREEXL_OK &&
           protection == FREEXL_BIFF_PLAIN;
}

}  // namespace

int WriteXlsSheet(const char* workbookPath, CsvSheet& sheet) {
    Workbook workbook;
    if (freexl_open(workbookPath, &workbook.handle) != FREEXL_OK || !IsPlain(workbook.handle))
        return kWorkbookFailed;
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(workbook.handle, 0) != FREEXL_OK ||
        freexl_worksheet_dimensions(workbook.handle, &rows, &columns) != FREEXL_OK)
        return kWorkbookFailed;
    for (unsigned int row = 0; row < rows; ++row) {
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue cell{};
            if (freexl_get_cell_value(workbook.handle, row, column, &cell) != FREEXL_OK)
                return kWorkbookFailed;
            sheet.Cell(CellText(cell, sheet));
        }
        if (!sheet.EndRow()) return kWorkbookFailed;
    }
    return 0;
}
