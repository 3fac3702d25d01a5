// ChoiceDelegate: edits a mapping cell with a drop list of the model's choices for it; the
// choice is made as soon as it is picked.
#pragma once

#include <QStyledItemDelegate>

namespace orvanta::app {

class ChoiceDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

}  // namespace orvanta::app
