// CORVTImportExportSpecListXml: all saved import and export specifications of one Tabulon, kept in the
// ".tps" file named like the Tabulon file; the parser's root handler when the file is read.
#pragma once

#include "importexport/CORVTImportExportSpecXml.h"

#include <memory>
#include <string>
#include <vector>

class CORVTImportExportSpecListXml : public IQnXmlPersistedObj {
public:
    // The ".tps" path of a Tabulon file: its last three characters replaced by "tps".
    static std::string PathForTabulon(const std::string& tabulonPath);

    void SetPath(const std::string& path) { m_path = path; }
    const std::string& GetPath() const { return m_path; }
    // Destroys every specification, then reads the file: 0, 0x80030002 when it does not exist, another
    // negative code when it cannot be read (the specifications read before the failure stay).
    int32_t Load();
    // Writes the whole list (to a new file that then replaces the old one); 0, or negative when
    // the file could not be written.
    int32_t Save() const;

    CORVTImportExportSpecXml* AddSpec(int32_t kind, const std::string& name, const std::string& path);
    // Removes the specification at index only when its name is exactly name; renumbers the rest.
    void RemoveSpec(int index, const std::string& name);
    int Count() const { return static_cast<int>(m_specs.size()); }
    CORVTImportExportSpecXml* Spec(int index) const;
    // The specification of that name (exactly), or none.
    CORVTImportExportSpecXml* FindSpec(const std::string& name) const;

    IQnXmlPersistedObj* OnStartElement(const std::string& element) override;
    void OnAttribute(const std::string&, const std::string&, const std::string&) override {}
    void OnText(const std::string&, const std::string&, int) override {}
    void OnEndElement(const std::string&) override {}

private:
    CORVTImportExportSpecXml* Append(int32_t kind);

    std::string m_path;
    std::vector<std::unique_ptr<CORVTImportExportSpecXml>> m_specs;
};
