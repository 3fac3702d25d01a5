// Reading and writing a Tabulon's ".tps" file of import/export specifications.
#include "importexport/CORVTImportExportSpecListXml.h"

#include "library/CQnXmlParser.h"
#include "library/CQnXmlWriter.h"

#include <strings.h>
#include <unistd.h>
#include <cstdio>

std::string CORVTImportExportSpecListXml::PathForTabulon(const std::string& tabulonPath) {
    if (tabulonPath.size() < 3) return tabulonPath;
    return tabulonPath.substr(0, tabulonPath.size() - 3).append("tps");
}

int32_t CORVTImportExportSpecListXml::Load() {
    m_specs.clear();
    CQnXmlParser parser;
    if (int32_t status = parser.Load(m_path, this); status != 0) return status;
    return parser.Parse();
}

int32_t CORVTImportExportSpecListXml::Save() const {
    const std::string temp =
        std::string(m_path).append(".").append(std::to_string(::getpid())).append(".tmp");
    CQnXmlWriter writer;
    if (!writer.Open(temp, true)) return -1;
    writer.StartElement("ORVT_IMPORT_EXPORT_SPECS");
    writer.AddAttribute("VERS", int32_t{301});
    for (const auto& spec : m_specs) spec->Write(writer);
    writer.EndElement();
    writer.Close();
    if (std::rename(temp.c_str(), m_path.c_str()) != 0) {
        std::remove(temp.c_str());
        return -1;
    }
    return 0;
}

CORVTImportExportSpecXml* CORVTImportExportSpecListXml::Append(int32_t kind) {
    auto spec = std::make_unique<CORVTImportExportSpecXml>(kind);
    spec->SetIndex(Count());
    m_specs.push_back(std::move(spec));
    return m_specs.back().get();
}

CORVTImportExportSpecXml* CORVTImportExportSpecListXml::AddSpec(int32_t kind, const std::string& name,
                                                                const std::string& path) {
    CORVTImportExportSpecXml* spec = Append(kind);
    spec->SetName(name);
    if (kind == SPEC_KIND_IMPORT)
        spec->SetImportPath(path);
    else
        spec->SetExportPath(path);
    return spec;
}

void CORVTImportExportSpecListXml::RemoveSpec(int index, const std::string& name) {
    CORVTImportExportSpecXml* spec = Spec(index);
    if (!spec || spec->GetName() != name) return;
    m_specs.erase(m_specs.begin() + index);
    for (int i = 0; i < Count(); ++i) m_specs[i]->SetIndex(i);
}

CORVTImportExportSpecXml* CORVTImportExportSpecListXml::Spec(int index) const {
    return index >= 0 && index < Count() ? m_specs[index].get() : nullptr;
}

CORVTImportExportSpecXml* CORVTImportExportSpecListXml::FindSpec(const std::string& name) const {
    for (const auto& spec : m_specs)
        if (spec->GetName() == name) return spec.get();
    return nullptr;
}

IQnXmlPersistedObj* CORVTImportExportSpecListXml::OnStartElement(const std::string& element) {
    if (strcasecmp(element.c_str(), "IMPORT_SPEC") == 0) return Append(SPEC_KIND_IMPORT);
    if (strcasecmp(element.c_str(), "EXPORT_SPEC") == 0) return Append(SPEC_KIND_EXPORT);
    return nullptr;
}
