// The record editor: its rows, its modes, stepping through records, and each value's editing.
#include "app/records/CRecordEditor.h"

#include "app/records/CChooseJoinRecordDlg.h"
#include "app/records/ImageViewing.h"
#include "app/records/ListEditorDialogs.h"
#include "app/records/ListItemsDraft.h"
#include "app/records/RecordEditorModel.h"
#include "app/records/ValueDialogs.h"
#include "app/records/ValueEntry.h"
#include "app/records/ValueEntryDelegate.h"
#include "app/shell/DesktopSeams.h"
#include "app/widgets/FieldSlots.h"
#include "app/widgets/QtText.h"
#include "image/BitmapLib.h"
#include "library/CTbItem.h"
#include "platform/Locale.h"
#include "platform/OleDate.h"
#include "platform/Prompt.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace orvanta::app {
namespace {

using platform::PromptButtons;
using platform::PromptIcon;

constexpr const char* kNoForm =
    "A form has not been designed for this Tabulon.  Forms can be created on the Design tab which will allow "
    "you "
    "to change the field order displayed in this record editor.";
constexpr const char* kViewImage = "View Image";
constexpr const char* kImportImage = "Import Image";
constexpr const char* kExportImage = "Export Image";

// The pictures an image can be imported from: every format the image reader knows.
QString ImportFilter() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << "*." + QString::fromLatin1(format);
    return "Image Files  (" + patterns.join(' ') + ");;All Files (*)";
}

}  // namespace

CRecordEditor::CRecordEditor(const PageServices& services, CTbItem& item, std::vector<CTbObjRecord*> records,
                             int index, QWidget* parent)
    : QDialog(parent),
      m_services(services),
      m_item(item),
      m_records(std::move(records)),
      m_heading(new QLabel(this)),
      m_modes(new QComboBox(this)),
      m_previous(new QPushButton("< &Previous", this)),
      m_next(new QPushButton("&Next >", this)),
      m_grid(new QTableView(this)),
      m_model(new RecordEditorModel(this)),
      m_delegate(new ValueEntryDelegate(
          {[this](int row, const QString& entry) { return AcceptEntry(row, entry); },
           [this](int row, int delta, ValueEntryEdit* editor) { Step(row, delta, editor); },
           [this](int row, ValueEntryEdit* editor) { PickTime(row, editor); },
           [this](int row, int item) { ChooseItem(row, item); }, [this](int row) { EditItems(row); }},
          this)) {
    setWindowTitle("Record Editor - " + ToQt(item.DisplayName()));
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    m_modes->addItem("Form View", FormView);
    m_modes->addItem("All Fields", AllFields);
    m_grid->setModel(m_model);
    m_grid->setItemDelegateForColumn(RecordEditorModel::ValueColumn, m_delegate);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    m_grid->setWordWrap(false);
    auto* top = new QHBoxLayout;
    top->addWidget(m_heading, 1);
    top->addWidget(new QLabel("Show:", this));
    top->addWidget(m_modes);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_previous, QDialogButtonBox::ActionRole);
    buttons->addButton(m_next, QDialogButtonBox::ActionRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addWidget(buttons);
    resize(520, 560);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_previous, &QPushButton::clicked, this, [this] { ShowRecord(m_index - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { ShowRecord(m_index + 1); });
    connect(m_modes, &QComboBox::activated, this,
            [this](int position) { SetMode(static_cast<Mode>(m_modes->itemData(position).toInt())); });
    connect(m_grid, &QTableView::activated, this, [this](const QModelIndex& cell) { EditValue(cell.row()); });
    connect(m_model, &RecordEditorModel::Toggled, this, &CRecordEditor::OnToggled);
    m_index = std::clamp(index, 0, std::max(0, static_cast<int>(m_records.size()) - 1));
}

CRecordEditor::~CRecordEditor() = default;

void CRecordEditor::SetMode(Mode mode) {
    if (!m_delegate->CommitOpenEditor()) return;
    m_mode = mode;
    if (m_mode == FormView && FormFieldSlots(m_item.Db()).empty()) {
        Tell("Form Unavailable", kNoForm, PromptIcon::Warning);
        m_mode = AllFields;
    }
    m_modes->setCurrentIndex(m_modes->findData(m_mode));
    ShowRecord(m_index);
}

void CRecordEditor::ShowRecord(int index) {
    if (!m_delegate->CommitOpenEditor()) return;
    const int count = static_cast<int>(m_records.size());
    m_index = std::clamp(index, 0, std::max(0, count - 1));
    CTbObjDB& db = m_item.Db();
    m_model->Show(&db, Record(), m_mode == FormView ? FormFieldSlots(db) : UserFieldSlots(db));
    m_heading->setText(QString("Record %1 of %2").arg(count ? m_index + 1 : 0).arg(count));
    m_previous->setEnabled(m_index > 0);
    m_next->setEnabled(m_index + 1 < count);
    m_grid->resizeColumnToContents(RecordEditorModel::NameColumn);
}

void CRecordEditor::done(int result) {
    if (!m_delegate->CommitOpenEditor()) return;
    QDialog::done(result);
}

CTbObjRecord* CRecordEditor::Record() const {
    return m_index < static_cast<int>(m_records.size()) ? m_records[static_cast<size_t>(m_index)] : nullptr;
}

CTbObjRecordValue* CRecordEditor::ValueOf(int row) const {
    const CTbObjField* field = m_model->Field(row);
    return field && Record() ? Record()->Value(field->GetSlot()) : nullptr;
}

bool CRecordEditor::EditAllowed() {
    if (!m_editAllowed) m_editAllowed = !m_editGate || m_editGate();
    return m_editAllowed;
}

void CRecordEditor::EditValue(int row) {
    const CTbObjField* field = m_model->Field(row);
    if (!field) return;
    switch (EditKindOf(field->GetType())) {
        case EditKind::Text:
        case EditKind::List:
            if (!EditAllowed()) return;
            m_grid->setCurrentIndex(m_model->index(row, RecordEditorModel::ValueColumn));
            m_grid->edit(m_model->index(row, RecordEditorModel::ValueColumn));
            return;
        case EditKind::Memo:
            return EditMemo(row);
        case EditKind::Join:
            return ChooseJoin(row);
        case EditKind::Unsupported:
            return Tell("Orvanta", kNotSupported, PromptIcon::Information);
        case EditKind::Image: {
            QMenu menu(this);
            for (const QString& action : ImageActions(row)) menu.addAction(action);
            const QRect cell = m_grid->visualRect(m_model->index(row, RecordEditorModel::ValueColumn));
            if (QAction* chosen = menu.exec(m_grid->viewport()->mapToGlobal(cell.bottomLeft())))
                RunImageAction(row, chosen->text());
            return;
        }
        default:
            return;
    }
}

bool CRecordEditor::AcceptEntry(int row, const QString& entry) {
    const CTbObjField* field = m_model->Field(row);
    CTbObjRecordValue* value = ValueOf(row);
    if (!field || !value) return true;
    if (!EditAllowed()) return false;
    if (EntryRefusal refusal = ApplyEntry(*value, field->GetType(), FromQt(entry.trimmed()));
        !refusal.empty()) {
        Tell("Orvanta", refusal, PromptIcon::Warning);
        return false;
    }
    MarkEdited();
    return true;
}

void CRecordEditor::Step(int row, int delta, ValueEntryEdit* editor) {
    const CTbObjField* field = m_model->Field(row);
    std::string stepped;
    if (!field) return;
    if (EntryRefusal refusal = StepEntry(FromQt(editor->Line()->text()), field->GetType(), delta, &stepped);
        !refusal.empty())
        return Tell("Orvanta", refusal, PromptIcon::Warning);
    editor->Line()->setText(ToQt(stepped));
    AcceptEntry(row, ToQt(stepped));
}

void CRecordEditor::PickTime(int row, ValueEntryEdit* editor) {
    int hour = 0, minute = 0, second = 0;
    platform::ParseTime(FromQt(editor->Line()->text()), platform::UserLocale(), &hour, &minute, &second);
    CTimePickerDlg picker(QTime(hour, minute, second), this);
    if (picker.exec() != QDialog::Accepted) return;
    editor->Line()->setText(picker.Time().toString("HH:mm:ss"));
    if (AcceptEntry(row, editor->Line()->text())) m_delegate->CommitOpenEditor();
}

void CRecordEditor::ChooseItem(int row, int item) {
    CTbObjRecordValue* value = ValueOf(row);
    if (!value || !EditAllowed() || value->GetShort() == item) return;
    value->SetShort(static_cast<int16_t>(item));
    MarkEdited();
}

void CRecordEditor::EditItems(int row) {
    const CTbObjField* field = m_model->Field(row);
    CTbObjFieldList* list = field ? field->ListProps() : nullptr;
    if (!list || !EditAllowed()) return;
    ListItemsDraft draft(list->Items());
    CListEditorDlg editor(draft, m_services.prompt, this);
    if (editor.exec() != QDialog::Accepted || !draft.Changed()) return;
    draft.StoreInto(list->Items());
    MarkEdited();
}

void CRecordEditor::EditMemo(int row) {
    CTbObjRecordValue* value = ValueOf(row);
    if (!value || !EditAllowed()) return;
    const QString text = ToQt(std::string(value->GetText()));
    CMemoEditDlg memo(text, this);
    if (memo.exec() != QDialog::Accepted || memo.Text() == text) return;
    value->SetText(FromQt(memo.Text()));
    MarkEdited();
}

void CRecordEditor::ChooseJoin(int row) {
    const CTbObjField* field = m_model->Field(row);
    CTbObjRecordValue* value = ValueOf(row);
    if (!field || !value || !m_services.library || !EditAllowed()) return;
    CChooseJoinRecordDlg chooser(*m_services.library, *field, *value, m_services.prompt, this);
    if (!chooser.Open() || chooser.exec() != QDialog::Accepted) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_item.ResolveJoin(*field, *Record());
    QApplication::restoreOverrideCursor();
    MarkEdited();
}

QStringList CRecordEditor::ImageActions(int row) const {
    const CTbObjRecordValue* value = ValueOf(row);
    if (!value) return {};
    if (value->GetData().empty()) return {kImportImage};
    return {kViewImage, kImportImage, kExportImage};
}

void CRecordEditor::RunImageAction(int row, const QString& action) {
    if (!ImageActions(row).contains(action)) return;
    WithConverter(m_services, [&] {
        if (action == kViewImage) ViewImage(row);
        if (action == kImportImage) ImportImage(row);
        if (action == kExportImage) ExportImage(row);
    });
}

void CRecordEditor::ViewImage(int row) { orvanta::app::ViewImage(*ValueOf(row), m_services); }

void CRecordEditor::ImportImage(int row) {
    if (!m_services.files || !EditAllowed()) return;
    const QString source = m_services.files->OpenFileName(this, kImportImage, ImportFilter());
    const CTbObjFieldImage* format = m_model->Field(row)->ImageProps();
    if (source.isEmpty()) return;
    if (image::CBitmapLib(m_services.prompt, nullptr)
            .ImportImage(*ValueOf(row), format ? static_cast<int>(format->GetBitsPerPixel()) : 8,
                         source.toStdString(), m_services.progress))
        MarkEdited();
}

void CRecordEditor::ExportImage(int row) {
    if (!m_services.files) return;
    QString destination = m_services.files->SaveFileName(
        this, kExportImage, ToQt(m_model->Field(row)->GetName()) + ".bmp", "Bitmap File  (*.bmp)");
    if (destination.isEmpty()) return;
    if (!destination.contains('.')) destination += ".bmp";
    image::CBitmapLib(m_services.prompt, nullptr).ExportImage(*ValueOf(row), destination.toStdString());
}

void CRecordEditor::OnToggled(int row) {
    if (EditAllowed()) return MarkEdited();
    CTbObjRecordValue* value = ValueOf(row);
    if (value) value->SetChecked(!value->GetChecked());
    m_model->ValuesChanged();
}

void CRecordEditor::MarkEdited() {
    m_modified = true;
    if (CTbObjRecord* record = Record())
        m_item.RecalculateRecord(*record,
                                 m_index > 0 ? m_records[static_cast<size_t>(m_index - 1)] : nullptr);
    m_model->ValuesChanged();
}

void CRecordEditor::Tell(const char* title, const std::string& text, PromptIcon icon) {
    if (m_services.prompt) m_services.prompt->Show(title, text, icon, PromptButtons::Ok);
}

}  // namespace orvanta::app
