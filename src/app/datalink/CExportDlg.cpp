// The export command's pages.
#include "app/datalink/CExportDlg.h"

#include "app/datalink/CExportFieldsPage.h"
#include "app/datalink/COptionsPage.h"
#include "app/datalink/SpecDefaults.h"
#include "app/widgets/QtText.h"
#include "importexport/CORVTImportExportSpecListXml.h"

#include <QLineEdit>

namespace orvanta::app {

CExportDlg::CExportDlg(const CTbObjDB& db, const CORVTImportExportSpecListXml& list,
                       const CORVTImportExportSpecXml* editing, const std::string& folder,
                       const PageServices& services, QWidget* parent, bool warned)
    : CDataLinkDlg("Export", services, parent),
      m_options(new COptionsPage(COptionsPage::Export, services.files, this)),
      m_fields(new CExportFieldsPage(db, services.prompt, this)) {
    AddPage(m_options);
    AddPage(m_fields);
    if (editing) {
        m_options->SetValues(editing->GetName(), editing->GetExportPath(), editing->GetOptions());
        m_options->SetEncoding(editing->GetEncoding());
        m_dropped = m_fields->SetChosen(editing->ExportFields());
        if (warned) m_dropped = {};
    } else {
        const ImportExportOptions options{1, 1, 0, 0, 0, 0, 0};
        m_options->SetValues(DefaultSpecName(list, kExportSpecStem),
                             DefaultExportPath(folder, options.delimiter), options);
    }
    connect(m_fields, &CExportFieldsPage::ChoiceChanged, this, &CExportDlg::UpdateButtons);
    resize(600, 400);
    ShowPage(0);
}

std::string CExportDlg::Path() const { return m_options->Path(); }

bool CExportDlg::Next() {
    if (!OptionsGiven(*m_options)) return false;
    m_options->PathEntry()->setText(ToQt(WithExportExtension(m_options->Path())));
    if (m_dropped) Tell(m_dropped.title.c_str(), m_dropped.text, false);
    m_dropped = {};
    return true;
}

bool CExportDlg::CanSave() const { return !m_fields->Chosen().empty(); }

}  // namespace orvanta::app
