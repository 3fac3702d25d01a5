// The first worksheet of an .xlsx or .ods workbook, read with liborcus into its document model:
// numbers, texts, Booleans and formula results by their values; dates and times by their cells'
// number formats in .xlsx, by the cells the file gives as dates in .ods (liborcus 0.17 keeps no
// usable number formats for those). What liborcus 0.17 passes over is read beside it: .xlsx text
// kept in the cell itself ("inlineStr") and OpenDocument's time cells.
// Merged cells keep their value in the first cell only; the others, like empty cells, are empty.
#include "DateMarkingFactory.h"
#include "InlineStrings.h"
#include "NumberFormatKind.h"
#include "OdsTimeCells.h"
#include "RelativePackage.h"
#include "WorkbookSheets.h"

#include "platform/OleDate.h"

#include <ixion/address.hpp>
#include <ixion/cell_access.hpp>
#include <ixion/model_context.hpp>
#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/sheet.hpp>
#include <orcus/spreadsheet/styles.hpp>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

namespace ss = orcus::spreadsheet;
namespace pf = orvanta::platform;

namespace {

// The most rows and columns a worksheet of either format has.
constexpr ss::range_size_t kSheetSize{1048576, 16384};
// The most rows and columns written: a row of names and 65,448 records and one more, and far more
// columns than the 80 fields a Tabulon has.
constexpr int kMostRows = 65450, kMostColumns = 1024;

// What the cell's number format shows: found by its format's identifier among the workbook's
// formats, else one of the built-in ones.
NumberFormatKind FormatKindOf(const ss::document& document, const ss::sheet& sheet, int row, int column) {
    const ss::styles& styles = document.get_styles();
    const ss::cell_format_t* format = styles.get_cell_format(sheet.get_cell_format(row, column));
    if (!format) return {};
    for (size_t i = 0; i < styles.get_number_format_count(); ++i) {
        const ss::number_format_t* number = styles.get_number_format(i);
        if (number && number->identifier == format->number_format && !number->format_string.empty())
            return KindOfFormatCode(number->format_string);
    }
    return KindOfBuiltInFormat(format->number_format);
}

std::string DateCellText(double value, NumberFormatKind kind, const CsvSheet& out) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!pf::OleDateToParts(value, &year, &month, &day, &hour, &minute, &second))
        return out.NumberText(value);
    // A time of day alone is the fraction of a day; a date alone shows no time unless it has one.
    const bool timeOnly = kind.time && !kind.date;
    const bool withTime = kind.time || (!timeOnly && value != std::floor(value));
    return out.DateTimeText(year, month, day, hour, minute, second, !timeOnly, withTime);
}

// The cells liborcus passes over, as their texts in the CSV; and how many cells of other values
// the worksheet holds, which liborcus is to have read.
struct PassedOver {
    std::map<std::pair<int, int>, std::string> texts;
    size_t valueCells = 0;
};

PassedOver ReadPassedOver(const char* workbookPath, bool openDocument, const CsvSheet& out) {
    PassedOver passed;
    if (openDocument) {
        for (const auto& [cell, time] : ReadOdsTimeCells(workbookPath))
            passed.texts[cell] = out.DateTimeText(0, 0, 0, time.hour, time.minute, time.second, false, true);
        return passed;
    }
    InlineTexts inlineTexts = ReadInlineStrings(workbookPath);
    for (const auto& [cell, text] : inlineTexts.cells) passed.texts[cell] = CsvSheet::Utf8Text(text);
    passed.valueCells = inlineTexts.valueCells;
    return passed;
}

// One workbook being read: its model, the cells given as dates, whether it is OpenDocument, and
// the cells liborcus passed over.
struct ReadBook {
    const ss::document& document;
    const DateMarkingFactory& factory;
    bool openDocument;
    PassedOver passedOver;
};

std::string NumericCellText(const ReadBook& book, int row, int column, double value, const CsvSheet& out) {
    NumberFormatKind kind;
    if (book.openDocument)
        kind.date = book.factory.DateCells().count({row, column}) > 0;
    else
        kind = FormatKindOf(book.document, *book.document.get_sheet(0), row, column);
    if (!kind.date && !kind.time) return out.NumberText(value);
    // Day numbers count from the workbook's origin (1899-12-30, or 1904-01-01 in workbooks made
    // on the Macintosh); OLE dates from 1899-12-30.
    const orcus::date_time_t origin = book.document.get_origin_date();
    double originDays = 0;
    if (!pf::OleDateFromParts(origin.year, origin.month, origin.day, 0, 0, 0, &originDays)) originDays = 0;
    return DateCellText(value + originDays, kind, out);
}

std::string CellText(const ReadBook& book, int row, int column, const CsvSheet& out) {
    const ixion::cell_access cell =
        book.document.get_model_context().get_cell_access(ixion::abs_address_t(0, row, column));
    switch (cell.get_value_type()) {
        case ixion::cell_value_t::string:
            return CsvSheet::Utf8Text(cell.get_string_value());
        case ixion::cell_value_t::numeric:
            return NumericCellText(book, row, column, cell.get_numeric_value(), out);
        case ixion::cell_value_t::boolean:
            return out.BooleanText(cell.get_boolean_value());
        default: {
            const auto text = book.passedOver.texts.find({row, column});
            return text == book.passedOver.texts.end() ? "" : text->second;
        }
    }
}

void ReadWorkbook(const char* workbookPath, bool openDocument, ss::import_factory& factory) {
    if (openDocument) {
        orcus::orcus_ods filter(&factory);
        filter.read_file(workbookPath);
    } else {
        const RelativePackage package(workbookPath);
        orcus::orcus_xlsx filter(&factory);
        filter.read_file(package.Path());
    }
}

// Every row from the first to the last that holds a value, each from column A to the last
// column that holds one anywhere in the sheet. A stray value far out cannot make the CSV huge:
// rows stop one past the records a Tabulon holds (so that the import still reports its limit),
// columns at kMostColumns.
int WriteCells(const ReadBook& book, CsvSheet& out) {
    const ixion::abs_range_t range = book.document.get_sheet(0)->get_data_range();
    const bool read = range.valid() && range.last.row >= 0;
    // Values in a worksheet that liborcus did not find (one it cannot locate in the package).
    if (!read && book.passedOver.valueCells > 0) return kWorkbookFailed;
    int lastRow = read ? range.last.row : -1, lastColumn = read ? range.last.column : -1;
    for (const auto& [cell, text] : book.passedOver.texts) {
        lastRow = std::max(lastRow, cell.first);
        lastColumn = std::max(lastColumn, cell.second);
    }
    lastRow = std::min(lastRow, kMostRows - 1);
    lastColumn = std::min(lastColumn, kMostColumns - 1);
    for (int row = 0; row <= lastRow && lastColumn >= 0; ++row) {
        for (int column = 0; column <= lastColumn; ++column) out.Cell(CellText(book, row, column, out));
        if (!out.EndRow()) return kWorkbookFailed;
    }
    return 0;
}

}  // namespace

int WriteOrcusSheet(const char* workbookPath, bool openDocument, CsvSheet& out) {
    try {
        ss::document document(kSheetSize);
        DateMarkingFactory factory(document);
        ReadWorkbook(workbookPath, openDocument, factory);
        if (document.get_sheet_count() == 0) return kWorkbookFailed;
        document.recalc_formula_cells();
        return WriteCells(
            ReadBook{document, factory, openDocument, ReadPassedOver(workbookPath, openDocument, out)}, out);
    } catch (...) {
        // Damaged, not a workbook of its kind, or encrypted with a password (a compound file).
        return kWorkbookFailed;
    }
}
