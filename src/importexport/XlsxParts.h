// The fixed parts of an Excel workbook package (.xlsx) holding one worksheet, and the pieces of
// SpreadsheetML the worksheet is written with.
#pragma once

#include <string>
#include <string_view>

// The part names, in the order the package writes them.
inline constexpr const char* kXlsxContentTypesPart = "[Content_Types].xml";
inline constexpr const char* kXlsxRootRelsPart = "_rels/.rels";
inline constexpr const char* kXlsxWorkbookPart = "xl/workbook.xml";
inline constexpr const char* kXlsxWorkbookRelsPart = "xl/_rels/workbook.xml.rels";
inline constexpr const char* kXlsxStylesPart = "xl/styles.xml";
inline constexpr const char* kXlsxSheetPart = "xl/worksheets/sheet1.xml";

// The cell styles the styles part defines, by their index.
enum XlsxStyle { kXlsxPlain = 0, kXlsxHeader = 1, kXlsxDate = 2, kXlsxTime = 3 };

std::string XlsxContentTypes();
std::string XlsxRootRels();
// The workbook naming its one sheet (UTF-8).
std::string XlsxWorkbook(std::string_view sheetName);
std::string XlsxWorkbookRels();
// The four cell styles, with the number formats of dates and times as Excel writes them.
std::string XlsxStyles(std::string_view dateFormat, std::string_view timeFormat);

// "A" for column 0, "Z", "AA", ... as cell references name columns.
std::string XlsxColumnName(size_t column);

// Appends UTF-8 text as XML character data: markup characters as entities, and the control
// characters XML cannot hold as Excel's _xHHHH_ escapes.
void AppendXmlText(std::string* xml, std::string_view text);
