// Finding the first worksheet of an .xlsx package (xl/workbook.xml, then its relationships) and
// reading its inline text cells with liborcus's zip and SAX parsers.
#include "InlineStrings.h"

#include <orcus/sax_parser.hpp>
#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

using Attributes = std::map<std::string, std::string>;  // "prefix:name" or "name" to its value

std::string Named(std::string_view ns, std::string_view name) {
    return ns.empty() ? std::string(name) : std::string(ns).append(":").append(name);
}

// Hands each element's attributes to start, and its text and end to the other two (SAX gives an
// element's attributes before the element itself).
class Handler : public orcus::sax_handler {
public:
    std::function<void(std::string_view, const Attributes&)> start;
    std::function<void(std::string_view)> text;
    std::function<void(std::string_view)> end;

    void attribute(const orcus::sax::parser_attribute& attribute) {
        m_attributes[Named(attribute.ns, attribute.name)] = std::string(attribute.value);
    }
    void start_element(const orcus::sax::parser_element& element) {
        if (start) start(element.name, m_attributes);
        m_attributes.clear();
    }
    void characters(std::string_view value, bool) {
        if (text) text(value);
    }
    void end_element(const orcus::sax::parser_element& element) {
        if (end) end(element.name);
    }

private:
    Attributes m_attributes;
};

void Parse(const std::vector<unsigned char>& xml, Handler& handler) {
    orcus::sax_parser<Handler> parser(reinterpret_cast<const char*>(xml.data()), xml.size(), handler);
    parser.parse();
}

// "xl/worksheets/sheet1.xml" for the first <sheet> of the workbook, through its relationship.
std::string FirstSheetPart(const orcus::zip_archive& archive) {
    std::vector<unsigned char> xml;
    std::string id, target;
    Handler sheets;
    sheets.start = [&](std::string_view name, const Attributes& attributes) {
        if (name == "sheet" && id.empty() && attributes.count("r:id")) id = attributes.at("r:id");
    };
    if (!archive.read_file_entry("xl/workbook.xml", xml)) return "";
    Parse(xml, sheets);
    Handler relationships;
    relationships.start = [&](std::string_view name, const Attributes& attributes) {
        if (name == "Relationship" && attributes.count("Id") && attributes.at("Id") == id)
            target = attributes.count("Target") ? attributes.at("Target") : "";
    };
    if (id.empty() || !archive.read_file_entry("xl/_rels/workbook.xml.rels", xml)) return "";
    Parse(xml, relationships);
    if (target.empty()) return "";
    return target.front() == '/' ? target.substr(1) : "xl/" + target;
}

// "B3" as row 2, column 1; false for a reference that is not one.
bool CellOf(const std::string& reference, int* row, int* column) {
    size_t i = 0;
    int letters = 0, digits = 0;
    for (; i < reference.size() && reference[i] >= 'A' && reference[i] <= 'Z'; ++i)
        letters = letters * 26 + (reference[i] - 'A' + 1);
    for (; i < reference.size() && reference[i] >= '0' && reference[i] <= '9'; ++i)
        digits = digits * 10 + (reference[i] - '0');
    if (i != reference.size() || letters == 0 || digits == 0) return false;
    *row = digits - 1;
    *column = letters - 1;
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
    Handler sheet;
    sheet.start = [&](std::string_view name, const Attributes& attributes) {
        if (name == "row") {
            row = attributes.count("r") ? std::atoi(attributes.at("r").c_str()) - 1 : row + 1;
            column = -1;
        } else if (name == "c") {
            int at = 0;
            if (attributes.count("r") && CellOf(attributes.at("r"), &at, &column))
                row = at;
            else
                ++column;
            inlineCell = attributes.count("t") && attributes.at("t") == "inlineStr";
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
    Parse(xml, sheet);
    return found;
}

}  // namespace

InlineTexts ReadInlineStrings(const char* workbookPath) {
    try {
        orcus::zip_archive_stream_fd stream(workbookPath);
        orcus::zip_archive archive(&stream);
        archive.load();
        const std::string part = FirstSheetPart(archive);
        std::vector<unsigned char> xml;
        if (part.empty() || !archive.read_file_entry(part, xml)) return {};
        return InlineCells(xml);
    } catch (...) {
        return {};
    }
}
