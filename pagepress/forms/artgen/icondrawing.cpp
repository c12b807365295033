#include "icondrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QImage drawApplicationIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 48.0, size / 48.0);

    // Rounded tile in the product's red-orange.
    QLinearGradient tile(0, 0, 0, 48);
    tile.setColorAt(0, QColor(0xf2, 0x5c, 0x3b));
    tile.setColorAt(1, QColor(0xc0, 0x2f, 0x1d));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(1, 1, 46, 46), 9, 9);

    // A document page with a folded corner.
    QPainterPath page;
    page.moveTo(11, 8);
    page.lineTo(29, 8);
    page.lineTo(37, 16);
    page.lineTo(37, 40);
    page.lineTo(11, 40);
    page.closeSubpath();
    painter.setBrush(Qt::white);
    painter.drawPath(page);
    painter.setBrush(QColor(0xf4, 0xc7, 0xbb));
    QPainterPath fold;
    fold.moveTo(29, 8);
    fold.lineTo(29, 16);
    fold.lineTo(37, 16);
    fold.closeSubpath();
    painter.drawPath(fold);

    // A lightning bolt: the page turns into a movie.
    QPainterPath bolt;
    bolt.moveTo(26, 17);
    bolt.lineTo(17, 29);
    bolt.lineTo(23, 29);
    bolt.lineTo(20, 37);
    bolt.lineTo(30, 24);
    bolt.lineTo(24, 24);
    bolt.closeSubpath();
    painter.setBrush(QColor(0xe0, 0x3e, 0x24));
    painter.drawPath(bolt);
    return image;
}
