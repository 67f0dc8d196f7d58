#include "gui/main/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vantolex {

namespace {

// The drawing of vantolex.svg on its 64 × 64 grid.
QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);

    QPainterPath sheet;
    sheet.moveTo(12, 4);
    sheet.lineTo(42, 4);
    sheet.lineTo(54, 16);
    sheet.lineTo(54, 60);
    sheet.lineTo(12, 60);
    sheet.closeSubpath();
    painter.setPen(QPen(QColor(0x44, 0x4c, 0x56), 2));
    painter.setBrush(Qt::white);
    painter.drawPath(sheet);
    painter.setBrush(QColor(0xd8, 0xdd, 0xe3));
    painter.drawPolygon(QPolygonF({ QPointF(42, 4), QPointF(42, 16), QPointF(54, 16) }));

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc0, 0x39, 0x2b));
    painter.drawRect(QRectF(17, 11, 20, 4));
    painter.setBrush(QColor(0x2c, 0x3e, 0x50));
    for (int row = 0; row < 9; ++row) {
        const double y = 21 + row * 4.2;
        painter.drawRect(QRectF(17, y, 14, 2));
        painter.drawRect(QRectF(35, y, row == 8 ? 8 : 14, 2));
    }
    painter.setPen(QPen(QColor(0x8a, 0x94, 0x9e), 1, Qt::DashLine));
    painter.drawLine(QPointF(33, 20), QPointF(33, 57));
    return pixmap;
}

} // namespace

QIcon programIcon()
{
    QIcon icon;
    for (int size : { 16, 24, 32, 48, 64, 128 })
        icon.addPixmap(drawIcon(size));
    return icon;
}

} // namespace vantolex
