// Painting the icon.
#include "app/shell/AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace orvanta::app {
namespace {

QPixmap IconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2b, 0x4a, 0x6f));
    painter.drawRoundedRect(QRectF(4, 4, 56, 56), 10, 10);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(13, 14, 38, 36), 3, 3);
    painter.setBrush(QColor(0xf0, 0xa0, 0x30));
    painter.drawRect(QRectF(13, 14, 38, 8));
    painter.setPen(QPen(QColor(0x9a, 0xab, 0xc0), 1.5));
    for (double y : {31.0, 40.0}) painter.drawLine(QPointF(15, y), QPointF(49, y));
    painter.drawLine(QPointF(27, 23), QPointF(27, 48));
    return pixmap;
}

}  // namespace

QIcon OrvantaIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(IconPixmap(size));
    return icon;
}

}  // namespace orvanta::app
