// The Designer tab: its three panes and the commands of their buttons.
#include "app/designer/CFieldFormDesignerTab.h"

#include "app/designer/CFieldPropertiesDlg.h"
#include "app/designer/CViewManagerDlg.h"
#include "app/designer/DesignTips.h"
#include "app/designer/FieldDesign.h"
#include "app/designer/FieldDesignModel.h"
#include "app/designer/FieldTypeChange.h"
#include "app/designer/FormDesignModel.h"
#include "app/designer/PasswordDialogs.h"
#include "app/records/ListEditorDialogs.h"
#include "app/widgets/ChoiceDelegate.h"
#include "app/widgets/QtText.h"
#include "library/CPvtrPrefs.h"
#include "library/CTbItem.h"
#include "model/TbObjView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

namespace orvanta::app {
namespace {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::PromptIcon;

// A button with its tip, added to the layout when one is given.
QPushButton* Button(const QString& text, const QString& tip, QLayout* layout, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setToolTip(tip);
    if (layout) layout->addWidget(button);
    return button;
}

// Every type from Text to Advanced Expression by its name, each with its description as a tip.
std::vector<CellChoice> TypeChoices(const QModelIndex&) {
    std::vector<CellChoice> types;
    for (int type = TEXT_T; type <= ADV_EXPRESSION_T; ++type)
        types.push_back({QString::fromLatin1(FieldTypeLabel(type).data()), type, FieldTypeDescription(type)});
    return types;
}

QTableView* DesignGrid(QAbstractItemModel* model, QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::SelectedClicked);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 8);
    grid->setWordWrap(false);
    return grid;
}

}  // namespace

CFieldFormDesignerTab::CFieldFormDesignerTab(const PageServices& services, CPvtrPrefs* prefs, QWidget* parent)
    : QWidget(parent),
      m_services(services),
      m_prefs(prefs),
      m_fields(new FieldDesignModel({[this](int slot, const QString& name) { Rename(slot, name); },
                                     [this](int slot, int type) { Retype(slot, type); }},
                                    this)),
      m_form(new FormDesignModel(this)),
      m_fieldGrid(DesignGrid(m_fields, this)),
      m_formGrid(DesignGrid(m_form, this)),
      m_tabBar(new QTabBar(this)),
      m_description(new QLabel(this)),
      m_alignment(new QComboBox(this)) {
    m_fieldGrid->setObjectName("fieldDesign");
    m_formGrid->setObjectName("formDesign");
    m_fieldGrid->verticalHeader()->hide();
    m_fieldGrid->setItemDelegateForColumn(FieldDesignModel::TypeColumn,
                                          new ChoiceDelegate(&TypeChoices, m_fieldGrid));
    auto* commands = new QHBoxLayout;
    connect(Button("Passwords...", "Set the Tabulon's passwords", commands, this), &QPushButton::clicked,
            this, &CFieldFormDesignerTab::EditPasswords);
    connect(Button("Views...", "Create and edit the Tabulon's views", commands, this), &QPushButton::clicked,
            this, &CFieldFormDesignerTab::EditViews);
    commands->addStretch(1);
    auto* panes = new QHBoxLayout;
    panes->setSpacing(4);
    panes->addWidget(BuildFieldDesign(), 5);
    panes->addWidget(BuildPlacing());
    panes->addWidget(BuildFormDesign(), 5);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(commands);
    layout->addLayout(panes, 1);
    connect(m_fieldGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CFieldFormDesignerTab::ShowDescription);
    connect(m_fields, &QAbstractItemModel::dataChanged, this, &CFieldFormDesignerTab::ShowDescription);
    connect(m_formGrid, &QTableView::pressed, this, [this] { m_tabRowSelected = false; });
    connect(m_tabBar, &QTabBar::tabBarClicked, this, [this](int tab) { SelectTabRow(tab); });
    connect(m_tabBar, &QTabBar::currentChanged, this, [this](int tab) {
        if (tab >= 0 && m_item) m_form->Show(&m_item->Db(), tab);
    });
    connect(m_form, &FormDesignModel::Edited, this, &CFieldFormDesignerTab::Changed);
    connect(m_formGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CFieldFormDesignerTab::ShowAlignment);
    connect(m_form, &QAbstractItemModel::modelReset, this, &CFieldFormDesignerTab::ShowAlignment);
    connect(m_alignment, &QComboBox::activated, this, [this](int alignment) {
        CTbObjTabRow* row = m_form->Row(m_formGrid->currentIndex().row());
        if (!row || !row->IsLabelRow() || static_cast<int>(row->GetAlignment()) == alignment) return;
        row->SetAlignment(static_cast<uint32_t>(alignment));
        emit Changed();
    });
}

QWidget* CFieldFormDesignerTab::BuildFieldDesign() {
    auto* box = new QGroupBox("Field Design", this);
    auto* buttons = new QHBoxLayout;
    auto* second = new QHBoxLayout;
    connect(Button("+ Add Field", "Add a field to the Tabulon", buttons, box), &QPushButton::clicked, this,
            &CFieldFormDesignerTab::AddField);
    connect(Button("Delete Field", "Delete the selected field from the Tabulon", buttons, box),
            &QPushButton::clicked, this, &CFieldFormDesignerTab::DeleteField);
    connect(Button("Properties...", "Edit the selected field's properties", second, box),
            &QPushButton::clicked, this, &CFieldFormDesignerTab::EditProperties);
    buttons->addStretch(1);
    second->addStretch(1);
    m_description->setWordWrap(true);
    m_description->setMinimumHeight(m_description->fontMetrics().height() * 2);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 6, 4, 4);
    layout->addLayout(buttons);
    layout->addLayout(second);
    layout->addWidget(m_fieldGrid, 1);
    layout->addWidget(m_description);
    connect(m_fieldGrid, &QTableView::doubleClicked, this, [this](const QModelIndex& cell) {
        if (cell.column() != FieldDesignModel::NameColumn && cell.column() != FieldDesignModel::TypeColumn)
            EditProperties();
    });
    return box;
}

QWidget* CFieldFormDesignerTab::BuildPlacing() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    connect(Button("Field >", "Place the selected field on the selected empty row", layout, panel),
            &QPushButton::clicked, this, &CFieldFormDesignerTab::PlaceField);
    connect(Button("Label >", "Place a label on the selected empty row", layout, panel),
            &QPushButton::clicked, this, &CFieldFormDesignerTab::PlaceLabel);
    connect(Button("Tab >", "Add a tab to the form", layout, panel), &QPushButton::clicked, this,
            &CFieldFormDesignerTab::AddTab);
    connect(Button("All Fields >>", "Place every field on the form", layout, panel), &QPushButton::clicked,
            this, &CFieldFormDesignerTab::AddAllFields);
    layout->addSpacing(12);
    connect(Button("< Remove", "Remove the field or label of the selected row", layout, panel),
            &QPushButton::clicked, this, &CFieldFormDesignerTab::ClearRow);
    connect(Button("Remove All", "Remove every field, label and tab from the form", layout, panel),
            &QPushButton::clicked, this, &CFieldFormDesignerTab::RemoveEverything);
    layout->addStretch(2);
    return panel;
}

QWidget* CFieldFormDesignerTab::BuildFormDesign() {
    auto* box = new QGroupBox("Form Design", this);
    // Two columns of tab commands keep the pane narrow enough for the window's first size.
    auto* buttons = new QGridLayout;
    const auto place = [buttons](QPushButton* button, int row, int column) {
        buttons->addWidget(button, row, column);
        return button;
    };
    connect(place(Button("Edit Tab...", "Rename the selected tab", nullptr, box), 0, 0),
            &QPushButton::clicked, this, &CFieldFormDesignerTab::EditTab);
    connect(place(Button("Remove Tab", "Remove the selected tab", nullptr, box), 0, 1), &QPushButton::clicked,
            this, &CFieldFormDesignerTab::RemoveTab);
    connect(place(Button("Move Up", "Move the selected tab before the one ahead of it", nullptr, box), 1, 0),
            &QPushButton::clicked, this, [this] { MoveTab(-1); });
    connect(place(Button("Move Down", "Move the selected tab after the one behind it", nullptr, box), 1, 1),
            &QPushButton::clicked, this, [this] { MoveTab(1); });
    connect(place(Button("Remove Tabs", "Remove every tab but the first", nullptr, box), 2, 0),
            &QPushButton::clicked, this, &CFieldFormDesignerTab::RemoveTabs);
    buttons->setColumnStretch(2, 1);
    m_tabBar->setExpanding(false);
    m_tabBar->setUsesScrollButtons(true);
    m_tabBar->setToolTip("The tab row: click a tab to select it");
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 6, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(m_tabBar);
    layout->addWidget(m_formGrid, 1);
    m_alignment->addItems({"Left", "Center", "Right"});
    auto* alignment = new QHBoxLayout;
    alignment->addWidget(new QLabel("Label alignment:", box));
    alignment->addWidget(m_alignment);
    alignment->addStretch(1);
    layout->addLayout(alignment);
    return box;
}

void CFieldFormDesignerTab::ShowItem(CTbItem* item) {
    m_item = item && item->Load(false) >= 0 ? item : nullptr;
    Refresh(0);
    m_fieldGrid->resizeColumnToContents(FieldDesignModel::NameColumn);
    if (!m_item || !m_prefs || !m_prefs->IsDesignFirstRun()) return;
    m_prefs->SetDesignFirstRun(false);
    CDesignTipsDlg(this).exec();
}

void CFieldFormDesignerTab::Refresh(int tab) {
    const int slot = SelectedSlot();
    CTbObjDB* db = m_item ? &m_item->Db() : nullptr;
    m_fields->Show(db);
    {
        QSignalBlocker quiet(m_tabBar);
        while (m_tabBar->count() > 0) m_tabBar->removeTab(0);
        for (int i = 0; db && i < db->TabCount(); ++i) m_tabBar->addTab(ToQt(db->Tab(i)->GetName()));
        m_tabBar->setCurrentIndex(db ? std::clamp(tab, 0, db->TabCount() - 1) : -1);
    }
    m_form->Show(db, std::max(0, m_tabBar->currentIndex()));
    if (slot >= 0) SelectField(slot);
    ShowDescription();
}

void CFieldFormDesignerTab::Done(int tab) {
    const int position = m_formGrid->currentIndex().row();
    Refresh(tab);
    if (position >= 0 && !m_tabRowSelected) m_formGrid->setCurrentIndex(m_form->index(position, 0));
    emit Changed();
}

int CFieldFormDesignerTab::SelectedSlot() const { return m_fields->Slot(m_fieldGrid->currentIndex().row()); }

FormDesign::Selection CFieldFormDesignerTab::Selected() const {
    const int row = m_formGrid->currentIndex().row();
    return {m_tabRowSelected, std::max(0, m_tabBar->currentIndex()),
            m_tabRowSelected || row < 0 ? 0 : row + 1};
}

void CFieldFormDesignerTab::SelectField(int slot) {
    m_fieldGrid->setCurrentIndex(m_fields->index(m_fields->RowOfSlot(slot), FieldDesignModel::NameColumn));
}

void CFieldFormDesignerTab::SelectTabRow(int tab) {
    m_tabRowSelected = true;
    m_tabBar->setCurrentIndex(tab);
    m_formGrid->setCurrentIndex(QModelIndex());
}

void CFieldFormDesignerTab::SelectFormRow(int position) {
    m_tabRowSelected = false;
    m_formGrid->setCurrentIndex(m_form->index(position - 1, FormDesignModel::FieldColumn));
}

void CFieldFormDesignerTab::ShowAlignment() {
    const CTbObjTabRow* row = m_form->Row(m_formGrid->currentIndex().row());
    const bool label = row && !row->IsEmpty() && row->IsLabelRow();
    m_alignment->setEnabled(label);
    if (label) m_alignment->setCurrentIndex(std::min<int>(static_cast<int>(row->GetAlignment()), 2));
}

void CFieldFormDesignerTab::ShowDescription() {
    const CTbObjField* field = m_item ? m_item->Db().Field(SelectedSlot()) : nullptr;
    m_description->setText(
        field ? QString("%1: %2").arg(QString::fromLatin1(FieldTypeLabel(field->GetType()).data()),
                                      FieldTypeDescription(field->GetType()))
              : QString());
}

bool CFieldFormDesignerTab::Tell(const DesignMessage& message, PromptIcon icon) {
    if (!message) return false;
    if (m_services.prompt) m_services.prompt->Show(message.title, message.text, icon, PromptButtons::Ok);
    return true;
}

bool CFieldFormDesignerTab::Ask(const DesignMessage& question, PromptButtons buttons) {
    if (!m_services.prompt) return false;
    const PromptIcon icon = buttons == PromptButtons::OkCancel ? PromptIcon::Question : PromptIcon::Warning;
    const PromptAnswer answer = m_services.prompt->Show(question.title, question.text, icon, buttons);
    return answer == PromptAnswer::Yes || answer == PromptAnswer::Ok;
}

void CFieldFormDesignerTab::AddField() {
    if (!m_item) return;
    int slot = -1;
    if (Tell(FieldDesign(m_item->Db()).AddField(&slot), PromptIcon::Warning)) return;
    Done(m_tabBar->currentIndex());
    SelectField(slot);
    m_fieldGrid->edit(m_fields->index(m_fields->RowOfSlot(slot), FieldDesignModel::NameColumn));
}

void CFieldFormDesignerTab::Rename(int slot, const QString& name) {
    if (!m_item || Tell(FieldDesign(m_item->Db()).Rename(slot, FromQt(name.trimmed())), PromptIcon::Warning))
        return;
    m_form->Show(&m_item->Db(), m_form->Tab());
    emit Changed();
}

void CFieldFormDesignerTab::RecalculateAfter(int slot) {
    const CTbObjField* field = m_item->Db().Field(slot);
    const TbFieldType type = field ? field->GetType() : NOTUSED_T;
    if (type == EXPRESSION_T || type == COND_EXP_T || type == ADV_EXPRESSION_T) m_item->Recalculate(true);
}

void CFieldFormDesignerTab::Retype(int slot, int type) {
    if (!m_item || !Ask(kTypeChangeQuestion, PromptButtons::YesNo)) return;
    FieldDesign(m_item->Db()).ChangeType(slot, static_cast<TbFieldType>(type), m_services.progress);
    RecalculateAfter(slot);
    emit Changed();
}

void CFieldFormDesignerTab::DeleteField() {
    const int slot = SelectedSlot();
    if (!m_item || slot < 0 || !Ask(kDeleteFieldQuestion, PromptButtons::YesNo)) return;
    FieldDesign(m_item->Db()).Delete(slot);
    Done(m_tabBar->currentIndex());
}

void CFieldFormDesignerTab::EditProperties() {
    const int slot = SelectedSlot();
    if (!m_item || slot < 0) return;
    CFieldPropertiesDlg properties(m_item->Db(), slot, m_services, this);
    properties.exec();
    if (!properties.Changed()) return;
    RecalculateAfter(slot);
    Done(m_tabBar->currentIndex());
}

void CFieldFormDesignerTab::PlaceField() {
    const int slot = SelectedSlot();
    if (!m_item || slot < 0) return;
    if (Tell(FormDesign(m_item->Db()).PlaceField(Selected(), slot), PromptIcon::Error)) return;
    Done(m_tabBar->currentIndex());
}

void CFieldFormDesignerTab::PlaceLabel() {
    if (!m_item || Tell(FormDesign(m_item->Db()).PlaceLabel(Selected()), PromptIcon::Error)) return;
    Done(m_tabBar->currentIndex());
}

void CFieldFormDesignerTab::AddTab() {
    int tab = 0;
    if (!m_item || Tell(FormDesign(m_item->Db()).AddTab(Selected(), &tab), PromptIcon::Error)) return;
    Done(tab);
    SelectTabRow(tab);
}

void CFieldFormDesignerTab::AddAllFields() {
    if (!m_item) return;
    FormDesign form(m_item->Db());
    if (form.HasContent() && !Ask(kAddAllFieldsQuestion, PromptButtons::OkCancel)) return;
    form.AddAllFields();
    Done(0);
}

void CFieldFormDesignerTab::ClearRow() {
    if (!m_item) return;
    FormDesign(m_item->Db()).ClearRow(Selected());
    Done(m_tabBar->currentIndex());
}

void CFieldFormDesignerTab::RemoveEverything() {
    if (!m_item || !Ask(kRemoveEverythingQuestion, PromptButtons::YesNo)) return;
    FormDesign(m_item->Db()).RemoveEverything();
    Done(0);
}

void CFieldFormDesignerTab::EditTab() {
    if (!m_item) return;
    FormDesign form(m_item->Db());
    const FormDesign::Selection selected = Selected();
    if (Tell(form.NeedsTab(selected, "Select a tab to edit."), PromptIcon::Information)) return;
    CListItemEditDlg name("Edit Tab", ToQt(m_item->Db().Tab(selected.tab)->GetName()), this);
    if (name.exec() != QDialog::Accepted) return;
    if (Tell(form.RenameTab(selected, FromQt(name.Text().trimmed())), PromptIcon::Warning)) return;
    Done(selected.tab);
    SelectTabRow(selected.tab);
}

void CFieldFormDesignerTab::RemoveTab() {
    const FormDesign::Selection selected = Selected();
    if (!m_item || Tell(FormDesign(m_item->Db()).RemoveTab(selected), PromptIcon::Information)) return;
    Done(selected.tab - 1);
}

void CFieldFormDesignerTab::MoveTab(int delta) {
    int tab = 0;
    if (!m_item || Tell(FormDesign(m_item->Db()).MoveTab(Selected(), delta, &tab), PromptIcon::Information))
        return;
    Done(tab);
    SelectTabRow(tab);
}

void CFieldFormDesignerTab::EditPasswords() {
    if (!m_item) return;
    const bool modified = m_item->Db().IsModified();
    m_item->Db().SetModified(false);
    CPasswordsDlg(m_item->Db(), m_services.prompt, this).exec();
    const bool changed = m_item->Db().IsModified();
    m_item->Db().SetModified(modified || changed);
    if (changed) emit Changed();
}

void CFieldFormDesignerTab::EditViews() {
    if (!m_item || CViewManagerDlg::Refused(m_item->Db(), m_services.prompt)) return;
    const bool modified = m_item->Db().IsModified();
    m_item->Db().SetModified(false);
    CViewManagerDlg(m_item->Db(), m_services.prompt, this).exec();
    const bool changed = m_item->Db().IsModified();
    m_item->Db().SetModified(modified || changed);
    if (changed) emit Changed();
}

void CFieldFormDesignerTab::RemoveTabs() {
    if (!m_item || !Ask(kRemoveTabsQuestion, PromptButtons::YesNo)) return;
    FormDesign(m_item->Db()).RemoveTabs();
    Done(0);
}

}  // namespace orvanta::app
