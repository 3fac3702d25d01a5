// Drop lists in grid cells.
#include "app/widgets/ChoiceDelegate.h"

#include <QComboBox>

#include <algorithm>

namespace orvanta::app {

ChoiceDelegate::ChoiceDelegate(Choices choices, QObject* parent)
    : QStyledItemDelegate(parent), m_choices(std::move(choices)) {}

QWidget* ChoiceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                      const QModelIndex& index) const {
    auto* list = new QComboBox(parent);
    for (const CellChoice& choice : m_choices(index)) {
        list->addItem(choice.text, choice.value);
        if (!choice.tip.isEmpty()) list->setItemData(list->count() - 1, choice.tip, Qt::ToolTipRole);
    }
    connect(list, &QComboBox::activated, this, [this, list] {
        auto* self = const_cast<ChoiceDelegate*>(this);
        emit self->commitData(list);
        emit self->closeEditor(list);
    });
    return list;
}

void ChoiceDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* list = qobject_cast<QComboBox*>(editor);
    if (!list) return;
    list->setCurrentIndex(std::max(list->findData(index.data(Qt::EditRole)), 0));
    list->showPopup();
}

void ChoiceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    auto* list = qobject_cast<QComboBox*>(editor);
    if (list && list->currentData() != index.data(Qt::EditRole))
        model->setData(index, list->currentData(), Qt::EditRole);
}

}  // namespace orvanta::app
