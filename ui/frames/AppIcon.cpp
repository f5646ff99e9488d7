#include "ui/frames/AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace vd {

namespace {

/// Paints the radio on a 64 by 64 canvas scaled to size.
QPixmap Paint(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    const QColor dark(0x0d, 0x3c, 0x78);
    const QColor key(0xe3, 0xf2, 0xfd);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x37, 0x47, 0x4f));
    painter.drawRoundedRect(QRectF(38, 4, 5, 18), 2, 2); // antenna
    painter.setPen(QPen(dark, 2));
    painter.setBrush(QColor(0x15, 0x65, 0xc0));
    painter.drawRoundedRect(QRectF(16, 18, 32, 42), 6, 6); // body
    painter.setPen(QPen(dark, 1));
    painter.setBrush(QColor(0xb3, 0xf7, 0xe6));
    painter.drawRoundedRect(QRectF(21, 23, 22, 11), 2, 2); // display
    painter.setPen(Qt::NoPen);
    painter.setBrush(dark);
    painter.drawRect(QRectF(24, 27, 10, 3));
    painter.setBrush(key);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column) {
            painter.drawEllipse(QPointF(25 + 7 * column, 41 + 7 * row), 2.5, 2.5);
        }
    }
    painter.setBrush(dark);
    painter.drawRoundedRect(QRectF(23, 53, 18, 3), 1.5, 1.5); // speaker
    return pixmap;
}

} // namespace

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(Paint(size));
    }
    return icon;
}

} // namespace vd
