// CDataLinkTab: the "Data Link" tab: the saved import and export specifications of the current
// Tabulon with new import, new export, edit, run and remove, and its synchronisation set-up.
// The Tabulon is read in full, its joins resolved and its expressions recalculated before a
// command's pages open.
#pragma once

#include "app/widgets/PageServices.h"

#include <QWidget>

#include <functional>
#include <memory>

class CORVTImportExportSpecListXml;
class CTbItem;
class QTableView;

namespace orvanta::app {

class CSyncSetupBox;
class ImportMapping;
class PreparedImport;
class SpecListModel;

class CDataLinkTab : public QWidget {
    Q_OBJECT
public:
    explicit CDataLinkTab(const PageServices& services, QWidget* parent = nullptr);
    ~CDataLinkTab() override;

    // Shows the item's specifications (none: nothing).
    void ShowItem(CTbItem* item);
    // Asked before records are imported; false refuses it.
    void SetEditGate(std::function<bool()> gate) { m_editGate = std::move(gate); }

    void NewImport();
    void NewExport();
    // On the selected specification: "Please select a specification." without one.
    void EditSelected();
    void RunSelected();
    void RemoveSelected();
    void SelectSpec(int row);

    CORVTImportExportSpecListXml* Specs() const { return m_specs.get(); }
    SpecListModel& Model() const { return *m_model; }
    QTableView* List() const { return m_list; }
    CSyncSetupBox& Sync() const { return *m_sync; }

signals:
    // The Tabulon or its sync partner changed.
    void Changed();

private:
    // The selected row, or -1 after telling that none is.
    int Selected();
    // Reads the Tabulon in full with its joins and computed values; false when it cannot be read.
    bool Ready();
    void OpenImport(int spec, std::unique_ptr<PreparedImport> prepared = nullptr,
                    std::unique_ptr<ImportMapping> mapping = nullptr);
    void OpenExport(int spec, bool warned = false);
    void RunImportSpec(int spec);
    void RunExportSpec(int spec);
    void SaveSpecs();
    bool EditAllowed() const { return !m_editGate || m_editGate(); }

    PageServices m_services;
    CTbItem* m_item = nullptr;
    std::unique_ptr<CORVTImportExportSpecListXml> m_specs;
    SpecListModel* m_model;
    QTableView* m_list;
    CSyncSetupBox* m_sync;
    std::function<bool()> m_editGate;
};

}  // namespace orvanta::app
