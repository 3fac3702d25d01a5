// RecordCellDelegate: draws the record grid's button cells ("View Image", "No Image") as push
// buttons, the image ones raised only when there is a picture to view; other cells as usual.
#pragma once

#include <QStyledItemDelegate>

namespace orvanta::app {

class RecordCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace orvanta::app
