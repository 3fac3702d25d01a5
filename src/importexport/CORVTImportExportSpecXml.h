// The saved settings of one import or export run (CORVTImportExportSpecXml) and one column of
// an import's mapping (CORVTImportFieldXml), as kept in a Tabulon's ".tps" file.
#pragma once

#include "importexport/ImportExportTypes.h"
#include "importexport/TbFormatExport.h"
#include "importexport/TextEncoding.h"
#include "library/IQnXmlPersistedObj.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CQnXmlWriter;

enum ImportExportSpecKind : int32_t { SPEC_KIND_NONE = 0, SPEC_KIND_IMPORT = 1, SPEC_KIND_EXPORT = 2 };

// One column: its name, detected type and target slot (0xFFFF not mapped).
class CORVTImportFieldXml : public IQnXmlPersistedObj, public CImportField {
public:
    IQnXmlPersistedObj* OnStartElement(const std::string& element) override;
    void OnAttribute(const std::string& element, const std::string& name, const std::string& value) override;
    void OnText(const std::string&, const std::string&, int) override {}
    void OnEndElement(const std::string&) override {}
};

class CORVTImportExportSpecXml : public IQnXmlPersistedObj {
public:
    explicit CORVTImportExportSpecXml(int32_t kind = SPEC_KIND_NONE);
    ~CORVTImportExportSpecXml() override = default;

    int32_t GetKind() const { return m_kind; }
    void SetKind(int32_t kind) { m_kind = kind; }
    const std::string& GetName() const { return m_name; }
    // "<" and ">" become "_".
    void SetName(const std::string& name);
    const std::string& GetImportPath() const { return m_importPath; }
    void SetImportPath(const std::string& path) { m_importPath = path; }
    const std::string& GetExportPath() const { return m_exportPath; }
    void SetExportPath(const std::string& path) { m_exportPath = path; }
    int32_t GetIndex() const { return m_index; }
    void SetIndex(int32_t index) { m_index = index; }
    const ImportExportOptions& GetOptions() const { return m_options; }
    void SetOptions(const ImportExportOptions& options) { m_options = options; }
    // The file's encoding and an export's format, kept as the extra "IE_OPTIONS" attributes
    // "TEXT_ENCODING" and "FILE_FORMAT" (written only when not ansi and not by extension), which
    // readers that do not know them pass over.
    TextEncoding GetEncoding() const { return m_encoding; }
    void SetEncoding(TextEncoding encoding) { m_encoding = encoding; }
    // None: the export path's extension decides.
    const std::optional<ExportFormat>& GetExportFormat() const { return m_exportFormat; }
    void SetExportFormat(const std::optional<ExportFormat>& format) { m_exportFormat = format; }

    void ClearImportFields() { m_importFields.clear(); }
    CORVTImportFieldXml* AddImportField(const std::string& name, int32_t type, uint16_t target);
    int ImportFieldCount() const { return static_cast<int>(m_importFields.size()); }
    CORVTImportFieldXml* ImportField(int index) const;
    // Appends the slot unless the list holds it already.
    void AddExportField(int32_t slot);
    void ClearExportFields() { m_exportFields.clear(); }
    const std::vector<int32_t>& ExportFields() const { return m_exportFields; }

    void Write(CQnXmlWriter& writer) const;

    IQnXmlPersistedObj* OnStartElement(const std::string& element) override;
    void OnAttribute(const std::string& element, const std::string& name, const std::string& value) override;
    void OnText(const std::string&, const std::string&, int) override {}
    void OnEndElement(const std::string&) override {}

private:
    void OnOptionAttribute(const std::string& name, int32_t value);
    void ReadExportFormat(const std::string& name);

    int32_t m_kind;
    std::vector<std::unique_ptr<CORVTImportFieldXml>> m_importFields;
    std::vector<int32_t> m_exportFields;
    ImportExportOptions m_options;
    TextEncoding m_encoding = TextEncoding::Ansi;
    std::optional<ExportFormat> m_exportFormat;
    std::string m_name;
    std::string m_importPath;
    std::string m_exportPath;
    int32_t m_index = -1;
};
