// ValueEntryDelegate: the editors of the record editor's value cells: a line for typed entries,
// with spin buttons for whole numbers and a picker button for times, and a drop-down for lists.
// An entry is stored only when the editor accepts it; a refused entry keeps the cell in edit.
#pragma once

#include <QStyledItemDelegate>

#include <functional>

class QComboBox;
class QLineEdit;
class QToolButton;

namespace orvanta::app {

class RecordEditorModel;

// The line of a typed entry and its buttons.
class ValueEntryEdit : public QWidget {
    Q_OBJECT
public:
    ValueEntryEdit(bool spinButtons, bool pickerButton, QWidget* parent);
    QLineEdit* Line() const { return m_line; }
    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }
    QToolButton* PickerButton() const { return m_picker; }

signals:
    void Stepped(int delta);
    void PickerAsked();

private:
    QLineEdit* m_line;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    QToolButton* m_picker = nullptr;
};

class ValueEntryDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // What the record editor does for its cells' editors.
    struct Hooks {
        std::function<bool(int row, const QString& entry)> accept;      // store or refuse an entry
        std::function<void(int row, int delta, ValueEntryEdit*)> step;  // a spin button
        std::function<void(int row, ValueEntryEdit*)> pick;             // the picker button
        std::function<void(int row, int itemIndex)> chooseItem;         // a list item (0: none)
        std::function<void(int row)> editItems;                         // "Edit items..."
    };

    explicit ValueEntryDelegate(Hooks hooks, QObject* parent = nullptr);

    // Offers the open editor's entry; false when it was refused (the editor stays open). True
    // when no editor is open.
    bool CommitOpenEditor();
    QWidget* OpenEditor() const { return m_open; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QComboBox* ListEditor(QWidget* parent, int row) const;
    void FillList(QComboBox* list, int row) const;
    bool Offer(QWidget* editor) const;

    Hooks m_hooks;
    mutable const RecordEditorModel* m_model = nullptr;
    mutable QWidget* m_open = nullptr;
    mutable int m_openRow = -1;
};

}  // namespace orvanta::app
