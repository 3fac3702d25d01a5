// The value cells' editors and the acceptance of their entries.
#include "app/records/ValueEntryDelegate.h"

#include "app/records/RecordEditorModel.h"
#include "app/widgets/QtText.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace orvanta::app {
namespace {

constexpr int kEditItems = -1;

QToolButton* EditButton(Qt::ArrowType arrow, const QString& text, QWidget* parent) {
    auto* button = new QToolButton(parent);
    if (arrow != Qt::NoArrow) button->setArrowType(arrow);
    if (!text.isEmpty()) button->setText(text);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(true);
    return button;
}

const RecordEditorModel* EditorModel(const QModelIndex& index) {
    return qobject_cast<const RecordEditorModel*>(index.model());
}

}  // namespace

ValueEntryEdit::ValueEntryEdit(bool spinButtons, bool pickerButton, QWidget* parent)
    : QWidget(parent), m_line(new QLineEdit(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_line, 1);
    m_line->setFrame(false);
    setFocusProxy(m_line);
    if (spinButtons) {
        m_up = EditButton(Qt::UpArrow, {}, this);
        m_down = EditButton(Qt::DownArrow, {}, this);
        m_up->setToolTip("Add 1");
        m_down->setToolTip("Subtract 1");
        layout->addWidget(m_up);
        layout->addWidget(m_down);
        connect(m_up, &QToolButton::clicked, this, [this] { emit Stepped(1); });
        connect(m_down, &QToolButton::clicked, this, [this] { emit Stepped(-1); });
    }
    if (pickerButton) {
        m_picker = EditButton(Qt::NoArrow, "...", this);
        m_picker->setToolTip("Choose the time");
        layout->addWidget(m_picker);
        connect(m_picker, &QToolButton::clicked, this, &ValueEntryEdit::PickerAsked);
    }
}

ValueEntryDelegate::ValueEntryDelegate(Hooks hooks, QObject* parent)
    : QStyledItemDelegate(parent), m_hooks(std::move(hooks)) {}

QWidget* ValueEntryDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                          const QModelIndex& index) const {
    const CTbObjField* field = EditorModel(index) ? EditorModel(index)->Field(index.row()) : nullptr;
    if (!field) return nullptr;
    const int row = index.row();
    QWidget* editor = nullptr;
    if (field->GetType() == LIST_T || field->GetType() == RADIO_T) {
        editor = ListEditor(parent, row);
    } else {
        const bool whole =
            field->GetType() == INTEGER_T || field->GetType() == LONG_T || field->GetType() == AUTO_INC_T;
        auto* entry = new ValueEntryEdit(whole, field->GetType() == TIME_T, parent);
        connect(entry, &ValueEntryEdit::Stepped, this, [this, row, entry](int delta) {
            if (m_hooks.step) m_hooks.step(row, delta, entry);
        });
        connect(entry, &ValueEntryEdit::PickerAsked, this, [this, row, entry] {
            if (m_hooks.pick) m_hooks.pick(row, entry);
        });
        entry->Line()->installEventFilter(const_cast<ValueEntryDelegate*>(this));
        editor = entry;
    }
    editor->setAutoFillBackground(true);
    m_model = EditorModel(index);
    m_open = editor;
    m_openRow = row;
    return editor;
}

QComboBox* ValueEntryDelegate::ListEditor(QWidget* parent, int row) const {
    auto* list = new QComboBox(parent);
    connect(list, &QComboBox::activated, this, [this, list, row](int position) {
        const int item = list->itemData(position).toInt();
        if (item == kEditItems) {
            if (m_hooks.editItems) m_hooks.editItems(row);
            FillList(list, row);
            return;
        }
        if (m_hooks.chooseItem) m_hooks.chooseItem(row, item);
        emit const_cast<ValueEntryDelegate*>(this)->closeEditor(list, NoHint);
    });
    return list;
}

void ValueEntryDelegate::FillList(QComboBox* list, int row) const {
    const CTbObjField* field = m_model ? m_model->Field(row) : nullptr;
    const CTbObjFieldList* props = field ? field->ListProps() : nullptr;
    list->clear();
    list->addItem("<none>", 0);
    if (props)
        for (int i = 0; i < props->Items().Count(); ++i)
            list->addItem(ToQt(props->Items().ItemAt(i)->text), props->Items().ItemAt(i)->index);
    if (field && field->GetType() == LIST_T) list->addItem("Edit items...", kEditItems);
    const CTbObjRecordValue* value = field ? m_model->Record()->Value(field->GetSlot()) : nullptr;
    list->setCurrentIndex(std::max(0, list->findData(value ? value->GetShort() : 0)));
}

void ValueEntryDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        FillList(list, index.row());
        return;
    }
    if (auto* entry = qobject_cast<ValueEntryEdit*>(editor)) {
        entry->Line()->setText(index.data(Qt::EditRole).toString());
        entry->Line()->selectAll();
    }
}

// Entries are offered by the keys and by CommitOpenEditor; the view's own commits (the current
// cell moving on) offer them too.
void ValueEntryDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex&) const {
    Offer(editor);
}

void ValueEntryDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (editor == m_open) {
        m_open = nullptr;
        m_openRow = -1;
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

bool ValueEntryDelegate::Offer(QWidget* editor) const {
    auto* entry = qobject_cast<ValueEntryEdit*>(editor);
    if (!entry || editor != m_open || !m_hooks.accept) return true;
    return m_hooks.accept(m_openRow, entry->Line()->text());
}

bool ValueEntryDelegate::CommitOpenEditor() {
    QWidget* editor = m_open;
    if (!editor) return true;
    if (!Offer(editor)) return false;
    emit closeEditor(editor, NoHint);
    return true;
}

bool ValueEntryDelegate::eventFilter(QObject* object, QEvent* event) {
    // The line's own keys decide; the entry widget itself leaves the view's default handling
    // (which would commit on leaving the cell) out.
    if (object == m_open && qobject_cast<ValueEntryEdit*>(m_open)) return false;
    auto* line = qobject_cast<QLineEdit*>(object);
    auto* entry = line ? qobject_cast<ValueEntryEdit*>(line->parentWidget()) : nullptr;
    if (!entry || entry != m_open) return QStyledItemDelegate::eventFilter(object, event);
    if (event->type() != QEvent::KeyPress) return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (Offer(entry)) emit closeEditor(entry, NoHint);
            return true;
        case Qt::Key_Escape:
            emit closeEditor(entry, RevertModelCache);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (!entry->UpButton()) return false;
            emit entry->Stepped(static_cast<QKeyEvent*>(event)->key() == Qt::Key_Up ? 1 : -1);
            return true;
        default:
            return false;
    }
}

}  // namespace orvanta::app
