// A specification's elements: "IMPORT_SPEC" or "EXPORT_SPEC" with "IE_OPTIONS", then "IMPORT_FIELD"s or
// "EXPORT_FIELD_INDEX"es; names are compared without case when read.
#include "importexport/CORVTImportExportSpecXml.h"

#include "library/CQnXmlWriter.h"

#include <strings.h>
#include <algorithm>
#include <cstdlib>

namespace {

bool Is(const std::string& text, const char* name) { return strcasecmp(text.c_str(), name) == 0; }

int32_t Decimal(const std::string& text) {
    return static_cast<int32_t>(std::strtol(text.c_str(), nullptr, 10));
}

}  // namespace

IQnXmlPersistedObj* CORVTImportFieldXml::OnStartElement(const std::string&) { return nullptr; }

void CORVTImportFieldXml::OnAttribute(const std::string&, const std::string& name, const std::string& text) {
    if (Is(name, "IMPORT_FIELD_NAME"))
        value = text;
    else if (Is(name, "IMPORT_FIELD_TYPE"))
        type = Decimal(text);
    else if (Is(name, "IMPORT_TB_FIELD_INDEX"))
        target = static_cast<uint16_t>(Decimal(text));
}

CORVTImportExportSpecXml::CORVTImportExportSpecXml(int32_t kind) : m_kind(kind) {
    m_options.firstRecordFieldNames = 1;
    m_options.delimiter = 1;
}

void CORVTImportExportSpecXml::SetName(const std::string& name) {
    m_name = name;
    std::replace_if(
        m_name.begin(), m_name.end(), [](char c) { return c == '<' || c == '>'; }, '_');
}

CORVTImportFieldXml* CORVTImportExportSpecXml::AddImportField(const std::string& name, int32_t type,
                                                              uint16_t target) {
    auto field = std::make_unique<CORVTImportFieldXml>();
    field->value = name;
    field->type = type;
    field->target = target;
    m_importFields.push_back(std::move(field));
    return m_importFields.back().get();
}

CORVTImportFieldXml* CORVTImportExportSpecXml::ImportField(int index) const {
    return index >= 0 && index < ImportFieldCount() ? m_importFields[index].get() : nullptr;
}

void CORVTImportExportSpecXml::AddExportField(int32_t slot) {
    if (std::find(m_exportFields.begin(), m_exportFields.end(), slot) == m_exportFields.end())
        m_exportFields.push_back(slot);
}

void CORVTImportExportSpecXml::Write(CQnXmlWriter& writer) const {
    const bool import = m_kind == SPEC_KIND_IMPORT;
    writer.StartElement(import ? "IMPORT_SPEC" : "EXPORT_SPEC");
    writer.AddAttribute("SPEC_NAME", m_name);
    writer.AddAttribute(import ? "IMPORT_PATH" : "EXPORT_PATH", import ? m_importPath : m_exportPath);
    writer.StartElement("IE_OPTIONS");
    writer.AddAttribute("FIRST_REC_FIELDS", m_options.firstRecordFieldNames != 0);
    writer.AddAttribute("DELIMITER", m_options.delimiter);
    writer.AddAttribute("DATE_FORMAT", m_options.dateFormat);
    writer.AddAttribute("TIME_HAS_SECONDS", m_options.timeHasSeconds != 0);
    writer.AddAttribute("TIME_MILITARY", m_options.timeMilitary != 0);
    writer.AddAttribute("REPLACE_RECS", m_options.replaceRecords != 0);
    if (m_encoding != TextEncoding::Ansi) writer.AddAttribute("TEXT_ENCODING", TextEncodingName(m_encoding));
    if (m_exportFormat) writer.AddAttribute("FILE_FORMAT", ExportFormatName(*m_exportFormat));
    writer.EndElement();
    if (import) {
        for (const auto& field : m_importFields) {
            writer.StartElement("IMPORT_FIELD");
            writer.AddAttribute("IMPORT_FIELD_NAME", field->value);
            writer.AddAttribute("IMPORT_FIELD_TYPE", field->type);
            writer.AddAttribute("IMPORT_TB_FIELD_INDEX", int32_t{field->target});
            writer.EndElement();
        }
    } else {
        for (int32_t slot : m_exportFields) {
            writer.StartElement("EXPORT_FIELD_INDEX");
            writer.AddAttribute("FIELD_INDEX", slot);
            writer.EndElement();
        }
    }
    writer.EndElement();
}

IQnXmlPersistedObj* CORVTImportExportSpecXml::OnStartElement(const std::string& element) {
    if (!Is(element, "IMPORT_FIELD")) return nullptr;
    m_importFields.push_back(std::make_unique<CORVTImportFieldXml>());
    return m_importFields.back().get();
}

void CORVTImportExportSpecXml::OnAttribute(const std::string& element, const std::string& name,
                                           const std::string& value) {
    if ((Is(element, "IMPORT_SPEC") || Is(element, "EXPORT_SPEC")) && Is(name, "SPEC_NAME"))
        SetName(value);
    else if (Is(element, "IMPORT_SPEC") && Is(name, "IMPORT_PATH"))
        m_importPath = value;
    else if (Is(element, "EXPORT_SPEC") && Is(name, "EXPORT_PATH"))
        m_exportPath = value;
    else if (Is(element, "IE_OPTIONS") && Is(name, "TEXT_ENCODING"))
        TextEncodingFromName(value, &m_encoding);
    else if (Is(element, "IE_OPTIONS") && Is(name, "FILE_FORMAT"))
        ReadExportFormat(value);
    else if (Is(element, "IE_OPTIONS"))
        OnOptionAttribute(name, Decimal(value));
    else if (Is(element, "EXPORT_FIELD_INDEX") && Is(name, "FIELD_INDEX"))
        AddExportField(Decimal(value));
}

void CORVTImportExportSpecXml::ReadExportFormat(const std::string& name) {
    ExportFormat format = ExportFormat::Text;
    if (ExportFormatFromName(name, &format)) m_exportFormat = format;
}

void CORVTImportExportSpecXml::OnOptionAttribute(const std::string& name, int32_t value) {
    if (Is(name, "FIRST_REC_FIELDS"))
        m_options.firstRecordFieldNames = value != 0;
    else if (Is(name, "DELIMITER"))
        m_options.delimiter = value;
    else if (Is(name, "DATE_FORMAT"))
        m_options.dateFormat = value;
    else if (Is(name, "TIME_HAS_SECONDS"))
        m_options.timeHasSeconds = value != 0;
    else if (Is(name, "TIME_MILITARY"))
        m_options.timeMilitary = value != 0;
    else if (Is(name, "REPLACE_RECS"))
        m_options.replaceRecords = value != 0;
}
