// Export as an Excel workbook with libxlsxwriter, row by row in its constant-memory mode.
#include "importexport/ReplacingFile.h"
#include "importexport/TbFormatExport.h"
#include "importexport/TbTypedValue.h"

#include "model/IProgressIndicator.h"
#include "model/TbObjDB.h"
#include "model/TbObjRecord.h"
#include "platform/CodePage.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <charconv>

namespace pf = orvanta::platform;

namespace {

constexpr double kWidestColumn = 80;

// The cell formats of the export: a bold header, the run's date order and time form.
struct CellFormats {
    lxw_format* header;
    lxw_format* date;
    lxw_format* time;
};

CellFormats AddFormats(lxw_workbook* workbook, const ImportExportOptions& options) {
    CellFormats formats{workbook_add_format(workbook), workbook_add_format(workbook),
                        workbook_add_format(workbook)};
    format_set_bold(formats.header);
    format_set_num_format(formats.date, options.dateFormat == 1 ? "dd/mm/yyyy" : "mm/dd/yyyy");
    std::string time = options.timeMilitary ? "hh:mm" : "h:mm";
    if (options.timeHasSeconds) time.append(":ss");
    if (!options.timeMilitary) time.append(" AM/PM");
    format_set_num_format(formats.time, time.c_str());
    return formats;
}

// The Tabulon's name as Excel allows a sheet name: at most 31 characters, none of []:*?/\.
std::string SheetName(const CTbObjDB& db) {
    std::string name = db.DisplayName().substr(0, 31);
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return std::string_view("[]:*?/\\").find(c) != std::string_view::npos; }, '_');
    if (!name.empty() && name.front() == '\'') name.front() = '_';
    if (!name.empty() && name.back() == '\'') name.back() = '_';
    return name.empty() ? "Records" : pf::Utf8FromWindows1252(name);
}

// Writes one typed value; returns the number of characters it shows, for the column's width.
size_t WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const TbTypedValue& value,
                 const CellFormats& formats) {
    switch (value.kind) {
        case TbTypedKind::Boolean:
            worksheet_write_boolean(sheet, row, column, value.boolean, nullptr);
            return 5;
        case TbTypedKind::Integer:
        case TbTypedKind::Real: {
            const double number =
                value.kind == TbTypedKind::Integer ? static_cast<double>(value.integer) : value.real;
            worksheet_write_number(sheet, row, column, number, nullptr);
            char text[32];
            return static_cast<size_t>(std::to_chars(text, text + sizeof text, number).ptr - text);
        }
        case TbTypedKind::Text: {
            std::string converted;
            worksheet_write_string(sheet, row, column, Utf8TextOf(value, &converted).c_str(), nullptr);
            return value.text.size();
        }
        case TbTypedKind::Date: {
            lxw_datetime date{value.year, value.month, value.day, 0, 0, 0};
            worksheet_write_datetime(sheet, row, column, &date, formats.date);
            return 10;
        }
        case TbTypedKind::Time: {
            // Year, month and day 0: a time of day alone.
            lxw_datetime time{0, 0, 0, value.hour, value.minute, static_cast<double>(value.second)};
            worksheet_write_datetime(sheet, row, column, &time, formats.time);
            return 11;
        }
        default:
            return 0;
    }
}

void WriteHeader(lxw_worksheet* sheet, const std::vector<std::string>& names, const CellFormats& formats,
                 std::vector<size_t>* widths) {
    for (size_t c = 0; c < names.size(); ++c) {
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), names[c].c_str(), formats.header);
        (*widths)[c] = names[c].size();
    }
}

void FitColumns(lxw_worksheet* sheet, const std::vector<size_t>& widths) {
    for (size_t c = 0; c < widths.size(); ++c) {
        const double width = std::min(kWidestColumn, static_cast<double>(std::max<size_t>(widths[c], 6) + 2));
        worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), width, nullptr);
    }
}

}  // namespace

int32_t ExportXlsx(CTbObjDB& db, const std::string& path, const std::vector<int32_t>& slots,
                   const ImportExportOptions& options, std::string* problem, IProgressIndicator* progress) {
    const std::vector<const CTbObjField*> fields = ExportedFields(db, slots);
    ReplacingFile file(path);
    if (!file.Ok()) return kExportWriteFailed;
    lxw_workbook_options settings{};
    settings.constant_memory = LXW_TRUE;
    lxw_workbook* workbook = workbook_new_opt(file.Path().c_str(), &settings);
    if (!workbook) return kExportWriteFailed;
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, SheetName(db).c_str());
    if (!sheet) sheet = workbook_add_worksheet(workbook, nullptr);  // "Sheet1" for a name Excel refuses
    const CellFormats formats = AddFormats(workbook, options);
    std::vector<size_t> widths(fields.size(), 0);
    WriteHeader(sheet, ExportColumnNames(fields), formats, &widths);
    const CTbObjRecordList& records = db.Records();
    for (int i = 0; i < records.Count(true); ++i) {
        const CTbObjRecord& record = *records.RecordInStoredOrder(i);
        for (size_t c = 0; c < fields.size(); ++c) {
            const size_t shown = WriteCell(sheet, static_cast<lxw_row_t>(i + 1), static_cast<lxw_col_t>(c),
                                           TypedExportValue(*fields[c], record), formats);
            widths[c] = std::max(widths[c], shown);
        }
        if (progress) progress->Step(1);
    }
    FitColumns(sheet, widths);
    const lxw_error status = workbook_close(workbook);
    if (status != LXW_NO_ERROR) {
        *problem = lxw_strerror(status);
        return kExportWriteFailed;
    }
    return file.Commit() ? 0 : kExportWriteFailed;
}
