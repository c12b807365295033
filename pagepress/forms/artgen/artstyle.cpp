#include "artstyle.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace art {

QFont uiFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void cutCorners(QImage& image, int radius, int corners)
{
    const int w = image.width();
    const int h = image.height();
    const double r = radius;
    for (int dy = 0; dy < radius; ++dy) {
        for (int dx = 0; dx < radius; ++dx) {
            // Pixel centres outside the quarter circle go.
            const double cx = r - (dx + 0.5);
            const double cy = r - (dy + 0.5);
            if (cx * cx + cy * cy <= r * r)
                continue;
            if (corners & TopCorners) {
                image.setPixelColor(dx, dy, Fuchsia);
                image.setPixelColor(w - 1 - dx, dy, Fuchsia);
            }
            if (corners & BottomCorners) {
                image.setPixelColor(dx, h - 1 - dy, Fuchsia);
                image.setPixelColor(w - 1 - dx, h - 1 - dy, Fuchsia);
            }
        }
    }
}

void fuchsiaColumn(QImage& image, int x)
{
    for (int y = 0; y < image.height(); ++y)
        image.setPixelColor(x, y, Fuchsia);
}

QImage windowBase(int width, int height, int titleHeight, int radius, int footerHeight)
{
    // Drawn one column narrower: the last column is never part of the window.
    const int w = width - 1;
    QImage window(w, height, QImage::Format_RGB32);
    QPainter p(&window);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(0, titleHeight, 0, height);
    body.setColorAt(0, BodyTop);
    body.setColorAt(1, BodyBottom);
    p.fillRect(QRect(0, titleHeight, w, height - titleHeight), body);
    QLinearGradient title(0, 0, 0, titleHeight);
    title.setColorAt(0, TitleTop);
    title.setColorAt(1, TitleBottom);
    p.fillRect(QRect(0, 0, w, titleHeight), title);
    if (footerHeight > 0) {
        const int top = height - footerHeight;
        p.fillRect(QRect(0, top, w, footerHeight), QColor(0xe4, 0xe8, 0xee));
        p.setPen(QColor(0xd2, 0xd8, 0xe0));
        p.drawLine(QPointF(0, top + 0.5), QPointF(w, top + 0.5));
        p.setPen(QColor(255, 255, 255, 150));
        p.drawLine(QPointF(0, top + 1.5), QPointF(w, top + 1.5));
    }
    // A soft highlight under the title's top edge.
    p.setPen(QColor(255, 255, 255, 40));
    p.drawLine(QPointF(radius, 1.5), QPointF(w - radius, 1.5));
    p.setPen(QPen(Frame, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, height - 1), radius, radius);
    p.end();
    cutCorners(window, radius);

    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Fuchsia);
    QPainter copy(&image);
    copy.drawImage(0, 0, window);
    return image;
}

void drawPanel(QImage& image, const QRect& rect, const QString& heading, int headingHeight)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A faint shadow line below gives the panel some depth.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 18));
    p.drawRoundedRect(QRectF(rect).adjusted(-0.5, 0.5, 0.5, 1.5), 4, 4);
    p.setBrush(Panel);
    p.setPen(QPen(PanelBorder, 1));
    p.drawRoundedRect(QRectF(rect).adjusted(-0.5, -0.5, 0.5, 0.5), 4, 4);
    if (heading.isEmpty())
        return;
    QPainterPath band;
    band.addRoundedRect(QRectF(rect).adjusted(0, 0, 0, 4), 3.5, 3.5);
    QPainterPath clip;
    clip.addRect(QRectF(rect.x(), rect.y(), rect.width(), headingHeight));
    p.setPen(Qt::NoPen);
    p.setBrush(HeadingBand);
    p.drawPath(band.intersected(clip));
    p.setPen(PanelBorder);
    p.drawLine(QPointF(rect.left(), rect.top() + headingHeight - 0.5), QPointF(rect.right() + 1, rect.top() + headingHeight - 0.5));
    // An accent tick before the heading.
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawRoundedRect(QRectF(rect.left() + 10, rect.top() + 7, 3, headingHeight - 14), 1.5, 1.5);
    p.setPen(Text);
    p.setFont(uiFont(12, true));
    p.drawText(QRect(rect.left() + 20, rect.top(), rect.width() - 30, headingHeight), Qt::AlignVCenter | Qt::AlignLeft, heading);
}

} // namespace art
