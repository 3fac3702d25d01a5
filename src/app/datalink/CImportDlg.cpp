// The import command's pages and the steps between them.
#include "app/datalink/CImportDlg.h"

#include "app/datalink/CMappingPage.h"
#include "app/datalink/COptionsPage.h"
#include "app/datalink/SpecDefaults.h"
#include "importexport/CORVTImportExportSpecListXml.h"
#include "importexport/ImportExportReport.h"

namespace orvanta::app {

CImportDlg::CImportDlg(CTbObjDB& db, const CORVTImportExportSpecListXml& list,
                       const CORVTImportExportSpecXml* editing, const PageServices& services, QWidget* parent)
    : CDataLinkDlg("Import", services, parent),
      m_db(db),
      m_editing(editing),
      m_options(new COptionsPage(COptionsPage::Import, services.files, this)),
      m_mapping(new CMappingPage(services.prompt, this)) {
    AddPage(m_options);
    AddPage(m_mapping);
    if (editing) {
        m_options->SetValues(editing->GetName(), editing->GetImportPath(), editing->GetOptions());
        m_options->SetEncoding(editing->GetEncoding());
    } else
        m_options->SetValues(DefaultSpecName(list, kImportSpecStem), "",
                             ImportExportOptions{1, 1, 0, 0, 0, 0, 0});
    connect(m_mapping, &CMappingPage::MappingChanged, this, &CImportDlg::UpdateButtons);
    resize(640, 420);
    ShowPage(0);
}

CImportDlg::~CImportDlg() = default;

void CImportDlg::StartOnMapping(std::unique_ptr<PreparedImport> prepared,
                                std::unique_ptr<ImportMapping> mapping) {
    m_prepared = std::move(prepared);
    m_mapping->SetMapping(std::move(mapping));
    ShowPage(1);
}

bool CImportDlg::Next() {
    if (!OptionsGiven(*m_options)) return false;
    if (m_options->Options().delimiter == 3) {
        Tell("Import Error", kListSeparatorMessage);
        return false;
    }
    auto prepared = std::make_unique<PreparedImport>();
    if (PrepareImport(m_options->Path(), m_options->Options(), m_options->Encoding(), m_services,
                      prepared.get()) != Preparation::Ready)
        return false;
    auto mapping = std::make_unique<ImportMapping>(m_db, prepared->columns);
    if (m_editing)
        if (DataLinkMessage lost = mapping->ApplySaved(*m_editing))
            Tell(lost.title.c_str(), lost.text, false);
    m_prepared = std::move(prepared);
    m_mapping->SetMapping(std::move(mapping));
    return true;
}

void CImportDlg::Back() {
    Forget();
    ShowPage(0);
}

bool CImportDlg::CanSave() const { return m_mapping->Mapping() && m_mapping->Mapping()->AnyMapped(); }

bool CImportDlg::Leave() {
    ImportMapping* mapping = m_mapping->Mapping();
    if (!mapping || !m_prepared) return false;
    if (DataLinkMessage twice = mapping->CheckUnique()) {
        Tell(twice.title.c_str(), twice.text);
        return false;
    }
    mapping->ApplyTargets(m_prepared->columns);
    return true;
}

void CImportDlg::reject() {
    Forget();
    CDataLinkDlg::reject();
}

void CImportDlg::Forget() {
    if (ImportMapping* mapping = m_mapping->Mapping()) mapping->RemoveAddedFields();
    m_mapping->SetMapping(nullptr);
    m_prepared.reset();
}

}  // namespace orvanta::app
