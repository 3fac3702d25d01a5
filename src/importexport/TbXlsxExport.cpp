// Export as an Excel workbook: the package's fixed parts, then the worksheet streamed row by row
// and deflated on every core. The columns' widths come first in the worksheet, so a first pass
// over the records measures them.
#include "importexport/ReplacingFile.h"
#include "importexport/TbFormatExport.h"
#include "importexport/TbTypedValue.h"
#include "importexport/XlsxParts.h"
#include "importexport/ZipWriter.h"

#include "model/IProgressIndicator.h"
#include "model/TbObjDB.h"
#include "model/TbObjRecord.h"
#include "platform/CodePage.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>

namespace pf = orvanta::platform;

namespace {

constexpr size_t kWidestColumn = 80;
// The worksheet is handed to the compressor in pieces of about this size.
constexpr size_t kRowsPiece = size_t{1} << 16;
// Days from Excel's day 0 (30 December 1899) to 1 January 1970.
constexpr int64_t kExcelDaysTo1970 = 25569;

// The Tabulon's name as Excel allows a sheet name: at most 31 characters, none of []:*?/\, no
// apostrophe first or last, and not Excel's own "History".
std::string SheetName(const CTbObjDB& db) {
    std::string name = db.DisplayName().substr(0, 31);
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return std::string_view("[]:*?/\\").find(c) != std::string_view::npos; }, '_');
    if (!name.empty() && name.front() == '\'') name.front() = '_';
    if (!name.empty() && name.back() == '\'') name.back() = '_';
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return name.empty() || lower == "history" ? "Records" : pf::Utf8FromWindows1252(name);
}

void AppendNumber(std::string* xml, double number) {
    char text[32];
    xml->append(text, std::to_chars(text, text + sizeof text, number).ptr);
}

void AppendInteger(std::string* xml, int64_t number) {
    char text[24];
    xml->append(text, std::to_chars(text, text + sizeof text, number).ptr);
}

// The characters a value shows in its cell, for the column's width.
size_t ShownWidth(const TbTypedValue& value) {
    std::string number;
    switch (value.kind) {
        case TbTypedKind::Boolean:
            return 5;
        case TbTypedKind::Integer:
            AppendInteger(&number, value.integer);
            return number.size();
        case TbTypedKind::Real:
            AppendNumber(&number, value.real);
            return number.size();
        case TbTypedKind::Text:
            return value.text.size();
        case TbTypedKind::Date:
            return 10;
        case TbTypedKind::Time:
            return 11;
        default:
            return 0;
    }
}

// A cell's reference: "B7" for the column "B" of the row "7".
struct CellRef {
    std::string_view column, row;
};

// The start of a cell: its reference and its style.
void AppendCellStart(std::string* xml, CellRef cell, XlsxStyle style) {
    xml->append("<c r=\"").append(cell.column).append(cell.row);
    static constexpr std::string_view kStyles[] = {"\"", "\" s=\"1\"", "\" s=\"2\"", "\" s=\"3\""};
    xml->append(kStyles[style]);
}

void AppendText(std::string* xml, CellRef cell, std::string_view text, XlsxStyle style) {
    AppendCellStart(xml, cell, style);
    xml->append(" t=\"inlineStr\"><is><t");
    const bool spaced = !text.empty() && (std::isspace(static_cast<unsigned char>(text.front())) ||
                                          std::isspace(static_cast<unsigned char>(text.back())));
    xml->append(spaced ? " xml:space=\"preserve\">" : ">");
    AppendXmlText(xml, text);
    xml->append("</t></is></c>");
}

// A number cell, in the style given (dates and times are numbers with a format).
void AppendValue(std::string* xml, CellRef cell, double number, XlsxStyle style) {
    AppendCellStart(xml, cell, style);
    xml->append("><v>");
    AppendNumber(xml, number);
    xml->append("</v></c>");
}

int64_t ExcelDay(const TbTypedValue& value) {
    using namespace std::chrono;
    const sys_days day{year(value.year) / month(static_cast<unsigned>(value.month)) /
                       std::chrono::day(static_cast<unsigned>(value.day))};
    return day.time_since_epoch().count() + kExcelDaysTo1970;
}

// One typed value as the cell given; nothing for a value not set.
void AppendCell(std::string* xml, CellRef cell, const TbTypedValue& value) {
    std::string converted;
    switch (value.kind) {
        case TbTypedKind::Boolean:
            AppendCellStart(xml, cell, kXlsxPlain);
            xml->append(value.boolean ? " t=\"b\"><v>1</v></c>" : " t=\"b\"><v>0</v></c>");
            break;
        case TbTypedKind::Integer:
            AppendCellStart(xml, cell, kXlsxPlain);
            xml->append("><v>");
            AppendInteger(xml, value.integer);
            xml->append("</v></c>");
            break;
        case TbTypedKind::Real:
            if (std::isfinite(value.real))
                AppendValue(xml, cell, value.real, kXlsxPlain);
            else
                AppendText(xml, cell, value.real > 0 ? "inf" : value.real < 0 ? "-inf" : "nan", kXlsxPlain);
            break;
        case TbTypedKind::Text:
            AppendText(xml, cell, Utf8TextOf(value, &converted), kXlsxPlain);
            break;
        case TbTypedKind::Date:
            AppendValue(xml, cell, static_cast<double>(ExcelDay(value)), kXlsxDate);
            break;
        case TbTypedKind::Time:
            AppendValue(xml, cell, (value.hour * 3600 + value.minute * 60 + value.second) / 86400.0,
                        kXlsxTime);
            break;
        default:
            break;
    }
}

class SheetWriter {
public:
    SheetWriter(CTbObjDB& db, const std::vector<int32_t>& slots)
        : m_records(db.Records()), m_fields(ExportedFields(db, slots)), m_names(ExportColumnNames(m_fields)) {
        for (size_t c = 0; c < m_fields.size(); ++c) m_columns.push_back(XlsxColumnName(c));
    }

    // The widths of the columns and a bound on the worksheet's size.
    void Measure() {
        m_widths.assign(m_fields.size(), 6);
        for (size_t c = 0; c < m_fields.size(); ++c) m_widths[c] = std::max(m_widths[c], m_names[c].size());
        for (int i = 0; i < m_records.Count(true); ++i) {
            const CTbObjRecord& record = *m_records.RecordInStoredOrder(i);
            for (size_t c = 0; c < m_fields.size(); ++c) {
                const size_t shown = ShownWidth(TypedExportValue(*m_fields[c], record));
                m_widths[c] = std::max(m_widths[c], shown);
                m_bound += shown * 6 + 48;  // an escape takes six bytes at most, a cell's markup less
            }
        }
    }

    bool Large() const { return m_bound >= (uint64_t{1} << 32) - (uint64_t{1} << 24); }

    bool Write(ZipWriter* zip, IProgressIndicator* progress) {
        std::string xml = Head();
        for (int i = 0; i < m_records.Count(true); ++i) {
            const CTbObjRecord& record = *m_records.RecordInStoredOrder(i);
            const std::string row = std::to_string(i + 2);
            xml.append("<row r=\"").append(row).append("\">");
            for (size_t c = 0; c < m_fields.size(); ++c)
                AppendCell(&xml, CellRef{m_columns[c], row}, TypedExportValue(*m_fields[c], record));
            xml.append("</row>");
            if (xml.size() >= kRowsPiece) {
                if (!zip->Stream(xml)) return false;
                xml.clear();
            }
            if (progress) progress->Step(1);
        }
        xml.append(
            "</sheetData><pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" "
            "header=\"0.3\" footer=\"0.3\"/></worksheet>");
        return zip->Stream(xml);
    }

private:
    // Everything before the second row: the size, the frozen header, the widths and the header.
    std::string Head() const {
        std::string xml =
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
            "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
            "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><dimension "
            "ref=\"A1";
        if (!m_fields.empty())
            xml.append(":")
                .append(XlsxColumnName(m_fields.size() - 1))
                .append(std::to_string(m_records.Count(true) + 1));
        xml.append(
            "\"/><sheetViews><sheetView tabSelected=\"1\" workbookViewId=\"0\"><pane ySplit=\"1\" "
            "topLeftCell=\"A2\" activePane=\"bottomLeft\" state=\"frozen\"/></sheetView></sheetViews>"
            "<sheetFormatPr defaultRowHeight=\"15\"/>");
        if (!m_fields.empty()) xml.append("<cols>");
        for (size_t c = 0; c < m_widths.size(); ++c) {
            const std::string column = std::to_string(c + 1);
            xml += "<col min=\"" + column + "\" max=\"" + column + "\" width=\"" +
                   std::to_string(std::min(m_widths[c], kWidestColumn) + 2) + "\" customWidth=\"1\"/>";
        }
        if (!m_fields.empty()) xml.append("</cols>");
        xml.append("<sheetData><row r=\"1\">");
        for (size_t c = 0; c < m_names.size(); ++c)
            AppendText(&xml, CellRef{m_columns[c], "1"}, m_names[c], kXlsxHeader);
        return xml + "</row>";
    }

    const CTbObjRecordList& m_records;
    const std::vector<const CTbObjField*> m_fields;
    const std::vector<std::string> m_names;
    std::vector<std::string> m_columns;  // the letters of each column
    std::vector<size_t> m_widths;
    uint64_t m_bound = 0;
};

std::string TimeFormat(const ImportExportOptions& options) {
    std::string time = options.timeMilitary ? "hh:mm" : "h:mm";
    if (options.timeHasSeconds) time.append(":ss");
    if (!options.timeMilitary) time.append(" AM/PM");
    return time;
}

}  // namespace

int32_t ExportXlsx(CTbObjDB& db, const std::string& path, const std::vector<int32_t>& slots,
                   const ImportExportOptions& options, IProgressIndicator* progress) {
    ReplacingFile file(path);
    if (!file.Ok()) return kExportWriteFailed;
    SheetWriter sheet(db, slots);
    sheet.Measure();
    ZipWriter zip(file.Path());
    zip.Add(kXlsxContentTypesPart, XlsxContentTypes());
    zip.Add(kXlsxRootRelsPart, XlsxRootRels());
    zip.Add(kXlsxWorkbookPart, XlsxWorkbook(SheetName(db)));
    zip.Add(kXlsxWorkbookRelsPart, XlsxWorkbookRels());
    zip.Add(kXlsxStylesPart,
            XlsxStyles(options.dateFormat == 1 ? "dd/mm/yyyy" : "mm/dd/yyyy", TimeFormat(options)));
    if (zip.BeginStream(kXlsxSheetPart, sheet.Large())) {
        sheet.Write(&zip, progress);
        zip.EndStream();
    }
    return zip.Close() && file.Commit() ? 0 : kExportWriteFailed;
}
