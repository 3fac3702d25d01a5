// The Data Link tab: its list of specifications and the commands on them.
#include "app/datalink/CDataLinkTab.h"

#include "app/datalink/CExportDlg.h"
#include "app/datalink/CExportFieldsPage.h"
#include "app/datalink/CImportDlg.h"
#include "app/datalink/CMappingPage.h"
#include "app/datalink/COptionsPage.h"
#include "app/datalink/CSyncSetupBox.h"
#include "app/datalink/ExportFieldChoice.h"
#include "app/datalink/ImportMapping.h"
#include "app/datalink/SpecListModel.h"
#include "importexport/CORVTImportExportSpecListXml.h"
#include "library/CTbItem.h"
#include "platform/Prompt.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

namespace orvanta::app {
namespace {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::PromptIcon;

constexpr int32_t kFileNotFound = 2;

QPushButton* Button(const char* text, QHBoxLayout* row, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    row->addWidget(button);
    return button;
}

// Where a new export is written: the user's documents, else the home folder.
std::string ExportFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return folder.toStdString() + "/";
}

}  // namespace

CDataLinkTab::CDataLinkTab(const PageServices& services, QWidget* parent)
    : QWidget(parent),
      m_services(services),
      m_model(new SpecListModel(this)),
      m_list(new QTableView(this)),
      m_sync(new CSyncSetupBox(services.library, services.prompt, this)) {
    m_list->setObjectName("specList");
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setAlternatingRowColors(true);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->horizontalHeader()->resizeSection(SpecListModel::NameColumn, 180);
    m_list->horizontalHeader()->resizeSection(SpecListModel::TypeColumn, 80);
    auto* heading = new QLabel("<b>Import / Export Specifications</b>", this);
    auto* hint = new QLabel(
        "Import records from text files and spreadsheets, export them to text, workbook, JSON or "
        "SQLite files, and keep the settings of each as a specification to run again.",
        this);
    hint->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    connect(Button("New Import...", buttons, this), &QPushButton::clicked, this, &CDataLinkTab::NewImport);
    connect(Button("New Export...", buttons, this), &QPushButton::clicked, this, &CDataLinkTab::NewExport);
    buttons->addSpacing(12);
    connect(Button("Edit...", buttons, this), &QPushButton::clicked, this, &CDataLinkTab::EditSelected);
    connect(Button("Run", buttons, this), &QPushButton::clicked, this, &CDataLinkTab::RunSelected);
    connect(Button("Remove", buttons, this), &QPushButton::clicked, this, &CDataLinkTab::RemoveSelected);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(hint);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    layout->addSpacing(8);
    layout->addWidget(m_sync);
    connect(m_list, &QTableView::doubleClicked, this, &CDataLinkTab::EditSelected);
    connect(m_sync, &CSyncSetupBox::Changed, this, &CDataLinkTab::Changed);
}

CDataLinkTab::~CDataLinkTab() = default;

void CDataLinkTab::ShowItem(CTbItem* item) {
    m_item = item;
    m_model->SetList(nullptr);
    m_specs.reset();
    m_sync->ShowItem(item);
    if (!item) return;
    m_specs = std::make_unique<CORVTImportExportSpecListXml>();
    m_specs->SetPath(item->SpecificationPath());
    const int32_t status = m_specs->Load();
    if (status != 0 && (status & 0xFFFF) != kFileNotFound && m_services.prompt)
        m_services.prompt->Show("Error", "There was an error loading the Import / Export specifications.",
                                PromptIcon::Error, PromptButtons::Ok);
    m_model->SetList(m_specs.get());
}

void CDataLinkTab::SelectSpec(int row) { m_list->selectRow(row); }

int CDataLinkTab::Selected() {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (!rows.isEmpty() && m_specs && rows.front().row() < m_specs->Count()) return rows.front().row();
    if (m_services.prompt)
        m_services.prompt->Show("Error", "Please select a specification.", PromptIcon::Error,
                                PromptButtons::Ok);
    return -1;
}

bool CDataLinkTab::Ready() {
    if (!m_item || !m_specs || m_item->Load(false) < 0) return false;
    m_item->ResolveJoins();
    m_item->Recalculate(false);
    return true;
}

void CDataLinkTab::SaveSpecs() {
    if (m_specs->Save() != 0 && m_services.prompt)
        m_services.prompt->Show("Error", "The Import / Export specifications could not be saved.",
                                PromptIcon::Error, PromptButtons::Ok);
    m_model->SetList(m_specs.get());
}

void CDataLinkTab::NewImport() {
    if (Ready()) OpenImport(-1);
}

void CDataLinkTab::NewExport() {
    if (Ready()) OpenExport(-1);
}

void CDataLinkTab::EditSelected() {
    const int spec = Selected();
    if (spec < 0 || !Ready()) return;
    if (m_specs->Spec(spec)->GetKind() == SPEC_KIND_IMPORT)
        OpenImport(spec);
    else
        OpenExport(spec);
}

void CDataLinkTab::RunSelected() {
    const int spec = Selected();
    if (spec < 0 || !Ready()) return;
    if (m_specs->Spec(spec)->GetKind() == SPEC_KIND_IMPORT)
        RunImportSpec(spec);
    else
        RunExportSpec(spec);
}

void CDataLinkTab::RemoveSelected() {
    const int spec = Selected();
    if (spec < 0 || !m_services.prompt ||
        m_services.prompt->Show("Delete Import/Export Configuration",
                                "Are you sure you want to remove this Import/Export Configuration?",
                                PromptIcon::Question, PromptButtons::YesNo) != PromptAnswer::Yes)
        return;
    m_specs->RemoveSpec(spec, m_specs->Spec(spec)->GetName());
    SaveSpecs();
}

void CDataLinkTab::OpenImport(int spec, std::unique_ptr<PreparedImport> prepared,
                              std::unique_ptr<ImportMapping> mapping) {
    CTbObjDB& db = m_item->Db();
    CORVTImportExportSpecXml* editing = m_specs->Spec(spec);
    CImportDlg dialog(db, *m_specs, editing, m_services, this);
    if (prepared) dialog.StartOnMapping(std::move(prepared), std::move(mapping));
    const int outcome = dialog.exec();
    if (outcome == CDataLinkDlg::Cancelled) {
        emit Changed();
        return;
    }
    const PreparedImport& ready = *dialog.Prepared();
    const std::string name = dialog.Options().SpecName();
    if (editing) {
        editing->SetName(name);
        editing->SetImportPath(ready.path);
    } else {
        editing = m_specs->AddSpec(SPEC_KIND_IMPORT, name, ready.path);
    }
    editing->SetOptions(ready.options);
    editing->SetEncoding(ready.encoding);
    dialog.Mapping().Mapping()->Store(*editing);
    SaveSpecs();
    if (outcome == CDataLinkDlg::SavedAndRun && EditAllowed()) RunImport(db, ready, m_services);
    emit Changed();
}

void CDataLinkTab::OpenExport(int spec, bool warned) {
    CORVTImportExportSpecXml* editing = m_specs->Spec(spec);
    CExportDlg dialog(m_item->Db(), *m_specs, editing, ExportFolder(), m_services, this, warned);
    const int outcome = dialog.exec();
    if (outcome == CDataLinkDlg::Cancelled) return;
    const std::string name = dialog.Options().SpecName();
    if (editing) {
        editing->SetName(name);
        editing->SetExportPath(dialog.Path());
        editing->ClearExportFields();
    } else {
        editing = m_specs->AddSpec(SPEC_KIND_EXPORT, name, dialog.Path());
    }
    editing->SetOptions(dialog.Options().Options());
    editing->SetEncoding(dialog.Options().Encoding());
    for (int32_t slot : dialog.Fields().Chosen()) editing->AddExportField(slot);
    SaveSpecs();
    if (outcome == CDataLinkDlg::SavedAndRun)
        RunExport(m_item->Db(), dialog.Path(), dialog.Fields().Chosen(), editing->GetOptions(),
                  editing->GetEncoding(), m_services);
}

void CDataLinkTab::RunImportSpec(int spec) {
    const CORVTImportExportSpecXml& saved = *m_specs->Spec(spec);
    auto prepared = std::make_unique<PreparedImport>();
    const Preparation preparation = PrepareImport(saved.GetImportPath(), saved.GetOptions(),
                                                  saved.GetEncoding(), m_services, prepared.get());
    if (preparation == Preparation::FileMissing) return OpenImport(spec);
    if (preparation != Preparation::Ready) return;
    auto mapping = std::make_unique<ImportMapping>(m_item->Db(), prepared->columns);
    if (DataLinkMessage lost = mapping->ApplySaved(saved)) {
        if (m_services.prompt)
            m_services.prompt->Show(lost.title, lost.text, PromptIcon::Warning, PromptButtons::Ok);
        return OpenImport(spec, std::move(prepared), std::move(mapping));
    }
    if (!EditAllowed()) return;
    mapping->ApplyTargets(prepared->columns);
    RunImport(m_item->Db(), *prepared, m_services);
    emit Changed();
}

void CDataLinkTab::RunExportSpec(int spec) {
    const CORVTImportExportSpecXml& saved = *m_specs->Spec(spec);
    ExportFieldChoice fields(m_item->Db());
    if (DataLinkMessage dropped = fields.SetChosen(saved.ExportFields())) {
        if (m_services.prompt)
            m_services.prompt->Show(dropped.title, dropped.text, PromptIcon::Warning, PromptButtons::Ok);
        return OpenExport(spec, true);
    }
    RunExport(m_item->Db(), saved.GetExportPath(), fields.Chosen(), saved.GetOptions(), saved.GetEncoding(),
              m_services);
}

}  // namespace orvanta::app
