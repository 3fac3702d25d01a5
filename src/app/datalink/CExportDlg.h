// CExportDlg: the export command's pages: the options in export form, then the fields to
// export. Opened on a saved specification it edits that specification, its fields checked against the
// Tabulon.
#pragma once

#include "app/datalink/CDataLinkDlg.h"
#include "app/datalink/DataLinkMessage.h"
#include "importexport/ImportExportTypes.h"

#include <string>
#include <vector>

class CORVTImportExportSpecXml;
class CORVTImportExportSpecListXml;
class CTbObjDB;

namespace orvanta::app {

class CExportFieldsPage;
class COptionsPage;

class CExportDlg : public CDataLinkDlg {
    Q_OBJECT
public:
    // editing: the saved specification to edit, or none for a new one; folder: where a new export is written.
    // warned: the dropped fields of the saved specification were told already.
    CExportDlg(const CTbObjDB& db, const CORVTImportExportSpecListXml& list,
               const CORVTImportExportSpecXml* editing, const std::string& folder,
               const PageServices& services, QWidget* parent = nullptr, bool warned = false);

    COptionsPage& Options() const { return *m_options; }
    CExportFieldsPage& Fields() const { return *m_fields; }
    std::string Path() const;

protected:
    bool Next() override;
    bool CanSave() const override;

private:
    COptionsPage* m_options;
    CExportFieldsPage* m_fields;
    DataLinkMessage m_dropped;
};

}  // namespace orvanta::app
