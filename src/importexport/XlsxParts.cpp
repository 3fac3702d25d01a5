#include "importexport/XlsxParts.h"

namespace {

constexpr std::string_view kXmlDeclaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr std::string_view kRelationships = "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr std::string_view kDocumentRelationships =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr std::string_view kContentType = "application/vnd.openxmlformats-officedocument.spreadsheetml.";

std::string Relationship(std::string_view id, std::string_view type, std::string_view target) {
    return std::string("<Relationship Id=\"").append(id) + "\" Type=\"" +
           std::string(kDocumentRelationships) + "/" + std::string(type) + "\" Target=\"" +
           std::string(target) + "\"/>";
}

std::string Override(std::string_view part, std::string_view type) {
    return std::string("<Override PartName=\"/").append(part) + "\" ContentType=\"" +
           std::string(kContentType) + std::string(type) + "+xml\"/>";
}

}  // namespace

std::string XlsxContentTypes() {
    return std::string(kXmlDeclaration) +
           "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
           "<Default Extension=\"rels\" "
           "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
           "<Default Extension=\"xml\" ContentType=\"application/xml\"/>" +
           Override(kXlsxWorkbookPart, "sheet.main") + Override(kXlsxSheetPart, "worksheet") +
           Override(kXlsxStylesPart, "styles") + "</Types>";
}

std::string XlsxRootRels() {
    return std::string(kXmlDeclaration) + "<Relationships xmlns=\"" + std::string(kRelationships) + "\">" +
           Relationship("rId1", "officeDocument", kXlsxWorkbookPart) + "</Relationships>";
}

std::string XlsxWorkbook(std::string_view sheetName) {
    std::string xml =
        std::string(kXmlDeclaration) +
        "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" xmlns:r=\"" +
        std::string(kDocumentRelationships) +
        "\"><bookViews><workbookView/></bookViews><sheets><sheet name=\"";
    AppendXmlText(&xml, sheetName);
    return xml + "\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
}

std::string XlsxWorkbookRels() {
    return std::string(kXmlDeclaration) + "<Relationships xmlns=\"" + std::string(kRelationships) + "\">" +
           Relationship("rId1", "worksheet", "worksheets/sheet1.xml") +
           Relationship("rId2", "styles", "styles.xml") + "</Relationships>";
}

std::string XlsxStyles(std::string_view dateFormat, std::string_view timeFormat) {
    const std::string font = "<sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/>";
    const std::string xf = "<xf fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"";
    return std::string(kXmlDeclaration) +
           "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
           "<numFmts count=\"2\"><numFmt numFmtId=\"164\" formatCode=\"" +
           std::string(dateFormat) + "\"/><numFmt numFmtId=\"165\" formatCode=\"" + std::string(timeFormat) +
           "\"/></numFmts><fonts count=\"2\"><font>" + font + "</font><font><b/>" + font +
           "</font></fonts><fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
           "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
           "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
           "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" "
           "borderId=\"0\"/></cellStyleXfs>"
           "<cellXfs count=\"4\">" +
           xf + " numFmtId=\"0\"/>" +
           "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyFont=\"1\"/>" + xf +
           " numFmtId=\"164\" applyNumberFormat=\"1\"/>" + xf +
           " numFmtId=\"165\" applyNumberFormat=\"1\"/>" +
           "</cellXfs><cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/>"
           "</cellStyles></styleSheet>";
}

std::string XlsxColumnName(size_t column) {
    std::string name;
    for (size_t n = column + 1; n > 0; n = (n - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
    return name;
}

void AppendXmlText(std::string* xml, std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    size_t plain = 0;  // the start of the run of characters that need no escape
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool markup = byte == '&' || byte == '<' || byte == '>' || byte == '"';
        if (!markup && (byte >= 0x20 || byte == '\t' || byte == '\n' || byte == '\r')) continue;
        xml->append(text.substr(plain, i - plain));
        plain = i + 1;
        if (byte == '&')
            xml->append("&amp;");
        else if (byte == '<')
            xml->append("&lt;");
        else if (byte == '>')
            xml->append("&gt;");
        else if (byte == '"')
            xml->append("&quot;");
        else
            xml->append("_x00").append(1, kHex[byte >> 4]).append(1, kHex[byte & 15]).append("_");
    }
    xml->append(text.substr(plain));
}
