// Drawing the record grid's button cells.
#include "app/records/RecordCellDelegate.h"

#include "app/records/RecordCell.h"
#include "app/records/TbRecordsModel.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionButton>

namespace orvanta::app {

void RecordCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    if (index.data(TbRecordsModel::CellKindRole).toInt() != RecordCell::Button)
        return QStyledItemDelegate::paint(painter, option, index);
    QStyleOptionButton button;
    button.rect = option.rect.adjusted(2, 1, -2, -1);
    button.text = index.data().toString();
    button.state = option.state & ~QStyle::State_HasFocus;
    if (button.text == "No Image") button.state &= ~QStyle::State_Enabled;
    QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_PushButton, &button, painter, option.widget);
}

QSize RecordCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QSize text = QStyledItemDelegate::sizeHint(option, index);
    if (index.data(TbRecordsModel::CellKindRole).toInt() != RecordCell::Button) return text;
    return text + QSize(16, 0);  // the button's frame around its text
}

}  // namespace orvanta::app
