// Finding the first worksheet of an .xlsx package (xl/workbook.xml, then its relationships) and
// reading its inline text cells.
#include "InlineStrings.h"

#include "PackageXml.h"

#include <cstdio>
#include <cstdlib>

namespace {

// The most rows and columns a worksheet has.
constexpr long kRows = 1048576, kColumns = 16384;

// "xl/worksheets/sheet1.xml" for the first <sheet> of the workbook, through its relationship.
std::string FirstSheetPart(const char* path) {
    std::vector<unsigned char> xml;
    std::string id, target;
    XmlWalk sheets;
    sheets.start = [&](std::string_view name, const XmlAttributes& attributes) {
        if (name == "sheet" && id.empty()) id = AttributeOf(attributes, "r:id");
    };
    if (!ReadPackagePart(path, "xl/workbook.xml", &xml)) return "";
    WalkXml(xml, sheets);
    XmlWalk relationships;
    relationships.start = [&](std::string_view name, const XmlAttributes& attributes) {
        if (name == "Relationship" && !id.empty() && AttributeOf(attributes, "Id") == id)
            target = AttributeOf(attributes, "Target");
    };
    if (id.empty() || !ReadPackagePart(path, "xl/_rels/workbook.xml.rels", &xml)) return "";
    WalkXml(xml, relationships);
    if (target.empty()) return "";
    return target.front() == '/' ? target.substr(1) : "xl/" + target;
}

// "B3" as row 2, column 1; false for a reference that is not one.
bool CellOf(const std::string& reference, int* row, int* column) {
    size_t i = 0;
    long letters = 0, digits = 0;
    for (; i < reference.size() && reference[i] >= 'A' && reference[i] <= 'Z' && letters <= kColumns; ++i)
        letters = letters * 26 + (reference[i] - 'A' + 1);
    for (; i < reference.size() && reference[i] >= '0' && reference[i] <= '9' && digits <= kRows; ++i)
        digits = digits * 10 + (reference[i] - '0');
    if (i != reference.size() || letters == 0 || letters > kColumns || digits == 0 || digits > kRows)
        return false;
    *row = static_cast<int>(digits - 1);
    *column = static_cast<int>(letters - 1);
    return true;
}

// Office Open XML writes characters XML cannot hold, such as CR, as "_x000D_".
std::string Unescaped(const std::string& text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned code = 0;
        if (text.compare(i, 2, "_x") == 0 && i + 7 <= text.size() && text[i + 6] == '_' &&
            std::sscanf(text.c_str() + i + 2, "%4x", &code) == 1 && code < 0x80) {
            plain.push_back(static_cast<char>(code));
            i += 6;
        } else {
            plain.push_back(text[i]);
        }
    }
    return plain;
}

// The cells of a worksheet whose type is "inlineStr": the <t> texts inside their <is>; and the
// count of cells with a <v> value.
InlineTexts InlineCells(const std::vector<unsigned char>& xml) {
    InlineTexts found;
    int row = -1, column = -1;
    bool inlineCell = false, inText = false;
    std::string text;
    XmlWalk sheet;
    sheet.start = [&](std::string_view name, const XmlAttributes& attributes) {
        if (name == "row") {
            const long number = std::strtol(AttributeOf(attributes, "r").c_str(), nullptr, 10);
            row = number >= 1 && number <= kRows ? static_cast<int>(number - 1) : row + 1;
            column = -1;
        } else if (name == "c") {
            int at = 0;
            if (CellOf(AttributeOf(attributes, "r"), &at, &column))
                row = at;
            else
                ++column;
            inlineCell = AttributeOf(attributes, "t") == "inlineStr";
            text.clear();
        } else if (name == "t") {
            inText = inlineCell;
        } else if (name == "v") {
            ++found.valueCells;
        }
    };
    sheet.text = [&](std::string_view value) {
        if (inText) text.append(value);
    };
    sheet.end = [&](std::string_view name) {
        if (name == "t") inText = false;
        if (name == "c" && inlineCell && row >= 0 && column >= 0)
            found.cells[{row, column}] = Unescaped(text);
        if (name == "c") inlineCell = false;
    };
    WalkXml(xml, sheet);
    return found;
}

}  // namespace

InlineTexts ReadInlineStrings(const char* workbookPath) {
    try {
        const std::string part = FirstSheetPart(workbookPath);
        std::vector<unsigned char> xml;
        if (part.empty() || !ReadPackagePart(workbookPath, part, &xml)) return {};
        return InlineCells(xml);
    } catch (...) {
        return {};
    }
}
