// CImportDlg: the import command's pages: the options, then, once the file is found and
// analysed, the mapping of its columns. Opened on a saved specification it edits that specification: its
// columns keep their fields where they still fit, with a warning where they do not.
#pragma once

#include "app/datalink/CDataLinkDlg.h"
#include "app/datalink/DataLinkRuns.h"
#include "app/datalink/ImportMapping.h"

#include <memory>

class CORVTImportExportSpecXml;
class CORVTImportExportSpecListXml;
class CTbObjDB;

namespace orvanta::app {

class CMappingPage;
class COptionsPage;

class CImportDlg : public CDataLinkDlg {
    Q_OBJECT
public:
    // editing: the saved specification to edit, or none for a new one.
    CImportDlg(CTbObjDB& db, const CORVTImportExportSpecListXml& list,
               const CORVTImportExportSpecXml* editing, const PageServices& services,
               QWidget* parent = nullptr);
    ~CImportDlg() override;

    // Opens on the mapping page of a file already analysed and matched against the specification.
    void StartOnMapping(std::unique_ptr<PreparedImport> prepared, std::unique_ptr<ImportMapping> mapping);

    COptionsPage& Options() const { return *m_options; }
    CMappingPage& Mapping() const { return *m_mapping; }
    // After Save or Save and Run: the analysed file, its columns' targets set.
    PreparedImport* Prepared() const { return m_prepared.get(); }

    void reject() override;

protected:
    bool Next() override;
    void Back() override;
    bool CanSave() const override;
    bool Leave() override;

private:
    // Drops the analysis and the fields added for it.
    void Forget();

    CTbObjDB& m_db;
    const CORVTImportExportSpecXml* m_editing;
    COptionsPage* m_options;
    CMappingPage* m_mapping;
    std::unique_ptr<PreparedImport> m_prepared;
};

}  // namespace orvanta::app
