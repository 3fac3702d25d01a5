// The Records tab: its selectors, the grid, sorting and the record buttons.
#include "app/records/CDataViewerTab.h"

#include "app/designer/CViewManagerDlg.h"
#include "app/records/ImageViewing.h"
#include "app/records/RecordCellDelegate.h"
#include "app/records/RecordPrinter.h"
#include "app/records/TbRecordsModel.h"
#include "app/shell/CEnterPwdDlg.h"
#include "app/widgets/FieldSlots.h"
#include "app/widgets/GridText.h"
#include "app/widgets/QtText.h"
#include "library/CTbItem.h"
#include "model/IProgressIndicator.h"
#include "platform/Prompt.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include <set>

namespace orvanta::app {
namespace {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::PromptIcon;

constexpr int kAllFields = -1;
constexpr int kNoFilter = -1;
constexpr int kCreateEdit = -2;
constexpr int kAllCategories = 0xFFFF;
constexpr uint8_t kAllCategoriesStored = 0xFF;  // the handheld's "all categories"
constexpr uint16_t kNoFilterStored = 0xFFFF;
// The rows whose cells decide the columns' widths: those of a screen or two when records are
// loaded (the largest Tabulon shows at once), more for the user's Best Fit.
constexpr int kLoadFitRows = 64;
constexpr int kViewsPassword = 3;  // "Password to modify views"
constexpr int kBestFitRows = 2000;

const char* const kReadOnlySelectors =
    "Filters and Categories are read only in the Orvanta desktop application.\n\nThese can be created and "
    "edited "
    "in Orvanta on the handheld and then\nsynchronized to the desktop.";

QComboBox* Selector(const QString& name, QHBoxLayout* layout, QWidget* parent) {
    auto* label = new QLabel(name, parent);
    auto* selector = new QComboBox(parent);
    selector->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    selector->setMinimumContentsLength(6);
    label->setBuddy(selector);
    layout->addWidget(label);
    layout->addWidget(selector);
    layout->addSpacing(6);
    return selector;
}

void SelectData(QComboBox* selector, int data, int fallback) {
    int index = selector->findData(data);
    selector->setCurrentIndex(index >= 0 ? index : selector->findData(fallback));
}

}  // namespace

CDataViewerTab::CDataViewerTab(const PageServices& services, QWidget* parent)
    : QWidget(parent),
      m_services(services),
      m_grid(new QTableView(this)),
      m_model(new TbRecordsModel(this)),
      m_edit(new QPushButton("Edit Record", this)),
      m_add(new QPushButton("Add Record", this)),
      m_delete(new QPushButton("Delete Records", this)) {
    auto* selectors = new QHBoxLayout;
    m_views = Selector("View", selectors, this);
    m_filters = Selector("Filter", selectors, this);
    m_categories = Selector("Category", selectors, this);
    selectors->addStretch(1);
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new RecordCellDelegate(m_grid));
    m_grid->setObjectName("recordGrid");
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setAlternatingRowColors(true);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_grid->horizontalHeader()->setSortIndicatorShown(false);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    auto* copy = new QAction("Copy", m_grid);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    m_grid->addAction(copy);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_edit);
    buttons->addWidget(m_add);
    buttons->addWidget(m_delete);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(selectors);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, &CDataViewerTab::SortByColumn);
    connect(m_views, &QComboBox::activated, this, &CDataViewerTab::OnViewChosen);
    connect(m_filters, &QComboBox::activated, this, &CDataViewerTab::OnFilterChosen);
    connect(m_categories, &QComboBox::activated, this, &CDataViewerTab::OnCategoryChosen);
    connect(m_add, &QPushButton::clicked, this, &CDataViewerTab::AddRecord);
    connect(m_edit, &QPushButton::clicked, this, [this] { OpenRecord(m_grid->currentIndex().row()); });
    connect(m_grid, &QTableView::activated, this,
            [this](const QModelIndex& cell) { OpenRecord(cell.row()); });
    connect(copy, &QAction::triggered, this, &CDataViewerTab::CopySelection);
    connect(m_grid, &QTableView::clicked, this, &CDataViewerTab::OnCellClicked);
    connect(m_delete, &QPushButton::clicked, this, &CDataViewerTab::DeleteSelected);
}

void CDataViewerTab::ShowItem(CTbItem* item) {
    m_item = item;
    if (item && item->Load(false) >= 0) {
        item->ResolveJoins();
        item->Recalculate(false);
    } else {
        m_item = nullptr;
    }
    FillSelectors();
    ApplySelection();
}

void CDataViewerTab::Reload() {
    if (m_item) ApplySelection();
}

void CDataViewerTab::FillSelectors() {
    m_filling = true;
    for (QComboBox* selector : {m_views, m_filters, m_categories}) selector->clear();
    m_filling = false;
    if (!m_item) return;
    const CTbObjDB& db = m_item->Db();
    for (int i = 0; i < db.ViewCount(); ++i)
        if (db.View(i)->ColumnCount() > 0) m_views->addItem(ToQt(db.View(i)->GetName()), i);
    m_views->addItem("All fields", kAllFields);
    m_views->addItem("Create/Edit...", kCreateEdit);
    SelectData(m_views, db.GetCurrentView(), kAllFields);
    m_filters->addItem("No Filter", kNoFilter);
    for (int i = 0; i < db.FilterCount(); ++i)
        if (db.Filter(i)->IsDefined()) m_filters->addItem(ToQt(db.Filter(i)->GetName()), i);
    m_filters->addItem("Create/Edit...", kCreateEdit);
    SelectData(m_filters, db.GetCurrentFilter(), kNoFilter);
    m_categories->addItem("All", kAllCategories);
    if (const CTbObjFieldList* list = db.Field(0)->ListProps())
        for (int i = 0; i < list->Items().Count(); ++i)
            if (list->Items().ItemAt(i)->index != 0)
                m_categories->addItem(ToQt(list->Items().ItemAt(i)->text), list->Items().ItemAt(i)->index);
    m_categories->addItem("Unfiled", 0);
    m_categories->addItem("Create/Edit...", kCreateEdit);
    int category = db.GetCurrentCategory();
    SelectData(m_categories, category == kAllCategoriesStored ? kAllCategories : category, kAllCategories);
}

std::vector<int> CDataViewerTab::ColumnSlots() const {
    std::vector<int> fieldSlots;
    const CTbObjDB& db = m_item->Db();
    int view = m_views->currentData().toInt();
    if (view >= 0) {
        const CTbObjView* shown = db.View(view);
        for (int i = 0; i < shown->ColumnCount(); ++i) {
            int slot = shown->Column(i)->GetField();
            if (const CTbObjField* field = db.Field(slot); field && field->GetType() != NOTUSED_T)
                fieldSlots.push_back(slot);
        }
        return fieldSlots;
    }
    return UserFieldSlots(db);
}

void CDataViewerTab::ApplySelection() {
    m_sortColumn = -1;
    m_grid->horizontalHeader()->setSortIndicatorShown(false);
    if (!m_item) {
        m_model->Show(nullptr, {});
        return;
    }
    CTbObjDB& db = m_item->Db();
    {
        ProgressShown shown(m_services.progress);
        if (m_services.progress) m_services.progress->SetText("Loading records into view");
        db.Records().ApplyFilter(static_cast<uint16_t>(m_categories->currentData().toInt()),
                                 static_cast<int16_t>(m_filters->currentData().toInt()));
        if (int view = m_views->currentData().toInt(); view >= 0) db.Records().ApplyView(view);
    }
    m_model->Show(&db, ColumnSlots());
    FitColumns(kLoadFitRows);
}

void CDataViewerTab::FitColumns(int rows) {
    m_grid->horizontalHeader()->setResizeContentsPrecision(rows);
    m_grid->resizeColumnsToContents();
}

void CDataViewerTab::BestFit() { FitColumns(kBestFitRows); }

void CDataViewerTab::OnViewChosen(int index) {
    if (m_filling || !m_item) return;
    CTbObjDB& db = m_item->Db();
    if (m_views->itemData(index).toInt() == kCreateEdit) {
        EditViews();
        SelectData(m_views, db.GetCurrentView(), kAllFields);
        return;
    }
    if (int view = m_views->itemData(index).toInt(); view >= 0) db.SetCurrentView(static_cast<uint8_t>(view));
    ApplySelection();
    emit Changed();
}

void CDataViewerTab::EditViews() {
    CTbObjDB& db = m_item->Db();
    if (CViewManagerDlg::Refused(db, m_services.prompt) ||
        !GrantAccess(db, kViewsPassword, m_services.prompt, this))
        return;
    const bool modified = db.IsModified();
    db.SetModified(false);
    CViewManagerDlg(db, m_services.prompt, this).exec();
    const bool changed = db.IsModified();
    db.SetModified(modified || changed);
    if (!changed) return;
    FillSelectors();
    ApplySelection();
    emit Changed();
}

void CDataViewerTab::OnFilterChosen(int index) {
    if (m_filling || !m_item) return;
    CTbObjDB& db = m_item->Db();
    if (m_filters->itemData(index).toInt() == kCreateEdit) {
        Tell("Orvanta", kReadOnlySelectors, false);
        SelectData(m_filters, db.GetCurrentFilter(), kNoFilter);
        return;
    }
    int filter = m_filters->itemData(index).toInt();
    db.SetCurrentFilter(filter < 0 ? kNoFilterStored : static_cast<uint16_t>(filter));
    ApplySelection();
    emit Changed();
}

void CDataViewerTab::OnCategoryChosen(int index) {
    if (m_filling || !m_item) return;
    CTbObjDB& db = m_item->Db();
    int category = m_categories->itemData(index).toInt();
    if (category == kCreateEdit) {
        Tell("Orvanta", kReadOnlySelectors, false);
        int current = db.GetCurrentCategory();
        SelectData(m_categories, current == kAllCategoriesStored ? kAllCategories : current, kAllCategories);
        return;
    }
    db.SetCurrentCategory(category == kAllCategories ? kAllCategoriesStored : static_cast<uint8_t>(category));
    ApplySelection();
    emit Changed();
}

void CDataViewerTab::SortByColumn(int column) {
    if (!m_item || column < 0 || column >= m_model->columnCount()) return;
    const bool ascending = !(column == m_sortColumn && m_sortAscending);
    QHeaderView* header = m_grid->horizontalHeader();
    if (column != m_sortColumn) {
        if (m_sortColumn >= 0)
            header->resizeSection(m_sortColumn, header->sectionSize(m_sortColumn) - kArrowWidth);
        header->resizeSection(column, header->sectionSize(column) + kArrowWidth);
    }
    m_sortColumn = column;
    m_sortAscending = ascending;
    header->setSortIndicatorShown(true);
    header->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    CTbObjDB& db = m_item->Db();
    {
        ProgressShown shown(m_services.progress);
        if (m_services.progress) {
            m_services.progress->SetText("Sorting records");
            m_services.progress->SetRange(db.Records().Count());
        }
        db.Records().SortByField(static_cast<int16_t>(m_model->Slot(column)), ascending);
    }
    m_model->Reload();
}

void CDataViewerTab::AddRecord() {
    if (!m_item) {
        Tell("Orvanta",
             "No Tabulon selected.  Please select a Tabulon to view information about that Tabulon.", false);
        return;
    }
    if (!EditAllowed()) return;
    CTbObjRecord* record = m_item->Db().Records().AddRecord(true, true);
    if (!record) {
        Tell("Error", "An error occured trying to add the record.", true);
        return;
    }
    m_item->Db().SetModified(true);
    ApplySelection();
    if (int row = m_model->RowOf(record); row >= 0) m_grid->selectRow(row);
    emit Changed();
}

void CDataViewerTab::DeleteSelected() {
    if (!m_item) {
        Tell("Orvanta",
             "No Tabulon selected.  Please select a Tabulon to view information about that Tabulon.", false);
        return;
    }
    std::set<CTbObjRecord*> chosen;
    for (const QModelIndex& cell : m_grid->selectionModel()->selectedIndexes())
        if (CTbObjRecord* record = m_model->Record(cell.row())) chosen.insert(record);
    if (chosen.empty()) {
        Tell("Orvanta", "No record selected.  Please select a record first.", false);
        return;
    }
    if (!EditAllowed() || !m_services.prompt ||
        m_services.prompt->Show("Orvanta",
                                "Are you sure you want to permanently delete the selected record(s)?",
                                PromptIcon::Question, PromptButtons::YesNo) != PromptAnswer::Yes)
        return;
    for (CTbObjRecord* record : chosen) m_item->Db().Records().RemoveRecord(record);
    m_item->Db().SetModified(true);
    m_model->Reload();
    emit Changed();
}

void CDataViewerTab::OpenRecord(int row) {
    if (!m_item || row < 0 || row >= m_model->rowCount()) return;
    std::vector<CTbObjRecord*> records;
    for (int i = 0; i < m_model->rowCount(); ++i) records.push_back(m_model->Record(i));
    CRecordEditor editor(m_services, *m_item, std::move(records), row, this);
    editor.SetEditGate(m_editGate);
    editor.SetMode(m_editorMode);
    editor.exec();
    m_editorMode = editor.GetMode();
    if (!editor.IsModified()) return;
    m_item->Db().SetModified(true);
    m_model->Reload();
    m_grid->setCurrentIndex(m_model->index(editor.Index(), 0));
    emit Changed();
}

RecordPrinter CDataViewerTab::GridPrinter() const {
    std::vector<int> widths;
    for (int column = 0; column < m_model->columnCount(); ++column)
        widths.push_back(m_grid->horizontalHeader()->sectionSize(column));
    return RecordPrinter(*m_model, std::move(widths),
                         {ToQt(m_item->DisplayName()), m_views->currentText(), m_filters->currentText(),
                          m_categories->currentText()});
}

void CDataViewerTab::Print() {
    if (!m_item) {
        Tell("Orvanta",
             "No Tabulon selected.  Please select a Tabulon to view information about that Tabulon.", false);
        return;
    }
    Tell("Print", "The records from the currently selected View, Filter, and Category will be printed.",
         false);
    QPrinter printer(QPrinter::HighResolution);
    if (GridPrinter().ColumnGroups(printer).size() > 1 && m_services.prompt)
        m_services.prompt->Show(
            "Warning",
            "Some of the columns are outside of the printable area of a page. These columns "
            "will be printed on seperate pages.",
            PromptIcon::Warning, PromptButtons::Ok);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle("Print Preview - " + ToQt(m_item->DisplayName()));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { GridPrinter().Print(*target, m_services.progress); });
    preview.exec();
}

void CDataViewerTab::OnCellClicked(const QModelIndex& cell) {
    const CTbObjRecord* record = m_model->Record(cell.row());
    const CTbObjField* field = m_model->Field(cell.column());
    if (!record || !field || field->GetType() != IMAGE_T ||
        record->Value(field->GetSlot())->GetData().empty())
        return;
    ViewImage(*record->Value(field->GetSlot()), m_services);
}

void CDataViewerTab::CopySelection() {
    const QModelIndexList cells = m_grid->selectionModel()->selectedIndexes();
    if (!cells.isEmpty()) QGuiApplication::clipboard()->setText(CellsAsTsv(cells));
}

void CDataViewerTab::Tell(const char* title, const char* text, bool error) {
    if (m_services.prompt)
        m_services.prompt->Show(title, text, error ? PromptIcon::Error : PromptIcon::Information,
                                PromptButtons::Ok);
}

}  // namespace orvanta::app
