#include "pictures.h"

#include "artstyle.h"
#include "icondrawing.h"
#include "pagepress/forms/skinlayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace art {

QImage drawCoolBar()
{
    QImage image(829, 24, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient band(0, 0, 0, 24);
    band.setColorAt(0, QColor(0x3b, 0x47, 0x5b));
    band.setColorAt(1, QColor(0x31, 0x3c, 0x4e));
    p.fillRect(image.rect(), band);
    p.setPen(QColor(255, 255, 255, 28));
    p.drawLine(0, 0, 828, 0);
    p.setPen(QColor(0x1f, 0x27, 0x33));
    p.drawLine(0, 23, 828, 23);
    return image;
}

QImage drawEmptyList()
{
    const QRect area(QPoint(0, 0), skin::layout::main::ListArea.size());
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(Panel);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Column header band; the window writes the titles over it.
    p.fillRect(QRect(0, 0, area.width(), 24), HeadingBand);
    p.setPen(PanelBorder);
    p.drawLine(QPointF(0, 23.5), QPointF(area.width(), 23.5));
    for (const QRect& column : skin::layout::main::EmptyListColumns) {
        const qreal x = column.right() + 8.5;
        if (x < area.width() - 20)
            p.drawLine(QPointF(x, 5), QPointF(x, 19));
    }

    // A stack of two pages and an arrow dropping onto them.
    const QPointF c(area.width() / 2.0, 118);
    auto page = [&](QPointF topLeft, qreal angle, QColor fill) {
        p.save();
        p.translate(topLeft + QPointF(22, 28));
        p.rotate(angle);
        QPainterPath sheet;
        sheet.moveTo(-22, -28);
        sheet.lineTo(10, -28);
        sheet.lineTo(22, -16);
        sheet.lineTo(22, 28);
        sheet.lineTo(-22, 28);
        sheet.closeSubpath();
        p.setPen(QPen(QColor(0xc4, 0xcc, 0xd6), 1.5));
        p.setBrush(fill);
        p.drawPath(sheet);
        p.setPen(QPen(QColor(0xdd, 0xe2, 0xe8), 2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(-13, -8 + i * 9), QPointF(13 - (i == 3 ? 10 : 0), -8 + i * 9));
        p.restore();
    };
    page(c + QPointF(-40, -34), -8, QColor(0xf4, 0xf6, 0xf9));
    page(c + QPointF(-16, -30), 6, Qt::white);
    // The badge in the accent colour: PDF goes in.
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawEllipse(c + QPointF(26, 20), 15, 15);
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(c + QPointF(26, 12), c + QPointF(26, 27));
    p.drawLine(c + QPointF(20, 21), c + QPointF(26, 27));
    p.drawLine(c + QPointF(32, 21), c + QPointF(26, 27));

    p.setPen(Text);
    p.setFont(uiFont(15, true));
    p.drawText(QRect(0, 168, area.width(), 24), Qt::AlignCenter, QStringLiteral("Drop PDF files or folders here"));
    p.setPen(MutedText);
    p.setFont(uiFont(12));
    p.drawText(QRect(0, 194, area.width(), 20), Qt::AlignCenter,
               QStringLiteral("or use Add File and Add Folder above"));
    return image;
}

QImage drawAboutPicture()
{
    const QSize size = skin::layout::about::Picture.size();
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor(0x3a, 0x46, 0x5b));
    sky.setColorAt(1, QColor(0x1f, 0x27, 0x33));
    p.fillRect(image.rect(), sky);
    // A warm glow behind the icon.
    QRadialGradient glow(QPointF(size.width() / 2.0, 62), 70);
    glow.setColorAt(0, QColor(0xf5, 0x6c, 0x45, 110));
    glow.setColorAt(1, QColor(0xf5, 0x6c, 0x45, 0));
    p.fillRect(image.rect(), glow);
    // Faint film perforations along both sides: the page becomes a movie.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 30));
    for (int y = 6; y < size.height(); y += 14) {
        p.drawRoundedRect(QRectF(5, y, 7, 8), 2, 2);
        p.drawRoundedRect(QRectF(size.width() - 12, y, 7, 8), 2, 2);
    }
    p.drawImage(QPoint((size.width() - 64) / 2, 30), drawApplicationIcon(64));
    p.setPen(Qt::white);
    p.setFont(uiFont(13, true));
    p.drawText(QRect(0, 104, size.width(), 18), Qt::AlignCenter, QStringLiteral("PDF to Flash"));
    p.setPen(QColor(0xc9, 0xd1, 0xdc));
    p.setFont(uiFont(10));
    p.drawText(QRect(0, 122, size.width(), 16), Qt::AlignCenter, QStringLiteral("Converter"));
    return image;
}

QImage drawProgressFill()
{
    // The bottom-left pixel is the picture's transparent colour, so the last row is fuchsia.
    QImage image(skin::layout::convert::ProgressBar.width(), 14, QImage::Format_RGB32);
    image.fill(Fuchsia);
    QPainter p(&image);
    const QRect body(0, 0, image.width(), 13);
    // Only vertical shading: the picture is stretched horizontally to the position.
    QLinearGradient fill(0, 0, 0, 13);
    fill.setColorAt(0, QColor(0xff, 0x9a, 0x6e));
    fill.setColorAt(0.45, AccentLight);
    fill.setColorAt(0.55, Accent);
    fill.setColorAt(1, AccentDark);
    p.fillRect(body, fill);
    p.setPen(QColor(255, 255, 255, 90));
    p.drawLine(0, 1, image.width() - 1, 1);
    return image;
}

} // namespace art
