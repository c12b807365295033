#include "buttonstrips.h"

#include "artstyle.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace art {

namespace {

enum class State { Normal, Hover, Pressed };
using CellPainter = std::function<void(QPainter&, const QRectF& face, State)>;

// Three cells over the skin's pixels; the face leaves out the cell's last column, which
// is fuchsia so the button's outline ends one pixel early, as the region builder expects.
QImage makeStrip(const QImage& skin, const QRect& at, const CellPainter& paint)
{
    const int w = at.width();
    QImage strip(w * 3, at.height(), QImage::Format_RGB32);
    const QImage background = skin.copy(at);
    for (int k = 0; k < 3; ++k) {
        QImage cell = background;
        {
            QPainter p(&cell);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            paint(p, QRectF(0, 0, w - 1, at.height()), static_cast<State>(k));
        }
        fuchsiaColumn(cell, w - 1);
        QPainter(&strip).drawImage(k * w, 0, cell);
    }
    return strip;
}

QPainterPath pagePath(qreal x, qreal y, qreal w, qreal h, qreal fold)
{
    QPainterPath path;
    path.moveTo(x, y);
    path.lineTo(x + w - fold, y);
    path.lineTo(x + w, y + fold);
    path.lineTo(x + w, y + h);
    path.lineTo(x, y + h);
    path.closeSubpath();
    return path;
}

void badge(QPainter& p, QPointF centre, QColor colour, bool plus)
{
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(colour);
    p.drawEllipse(centre, 7, 7);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    if (plus) {
        p.drawLine(centre + QPointF(-3.5, 0), centre + QPointF(3.5, 0));
        p.drawLine(centre + QPointF(0, -3.5), centre + QPointF(0, 3.5));
    } else {
        p.drawLine(centre + QPointF(-3, -3), centre + QPointF(3, 3));
        p.drawLine(centre + QPointF(-3, 3), centre + QPointF(3, -3));
    }
}

const QColor AddGreen(0x2e, 0xa0, 0x67);
const QColor RemoveRed(0xd9, 0x46, 0x46);
const QColor Ink(0x4a, 0x55, 0x66);

// The icons live in a 32 x 32 box.
void drawToolIcon(QPainter& p, ToolIcon icon, bool onAccent)
{
    const QPen outline(onAccent ? Qt::white : Ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (icon) {
    case ToolIcon::AddFile:
        p.setPen(outline);
        p.setBrush(Qt::white);
        p.drawPath(pagePath(6, 2, 19, 25, 6));
        p.setPen(QPen(QColor(0xb8, 0xc0, 0xcb), 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(10, 12 + i * 4.5), QPointF(i == 2 ? 15 : 20, 12 + i * 4.5));
        badge(p, QPointF(24, 24), AddGreen, true);
        break;
    case ToolIcon::AddFolder: {
        QPainterPath folder;
        folder.moveTo(3, 8);
        folder.lineTo(12, 8);
        folder.lineTo(15, 11);
        folder.lineTo(28, 11);
        folder.lineTo(28, 27);
        folder.lineTo(3, 27);
        folder.closeSubpath();
        p.setPen(QPen(QColor(0xc2, 0x8a, 0x1e), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QLinearGradient body(0, 8, 0, 27);
        body.setColorAt(0, QColor(0xfb, 0xd0, 0x6a));
        body.setColorAt(1, QColor(0xf2, 0xb2, 0x3c));
        p.setBrush(body);
        p.drawPath(folder);
        p.setPen(QPen(QColor(255, 255, 255, 150), 1.2));
        p.drawLine(QPointF(4.5, 14.5), QPointF(26.5, 14.5));
        badge(p, QPointF(24, 24), AddGreen, true);
        break;
    }
    case ToolIcon::Delete: {
        p.setPen(outline);
        p.setBrush(Qt::white);
        QPainterPath can;
        can.moveTo(8, 9);
        can.lineTo(24, 9);
        can.lineTo(22.5, 28);
        can.lineTo(9.5, 28);
        can.closeSubpath();
        p.drawPath(can);
        p.drawLine(QPointF(5, 8), QPointF(27, 8));
        p.drawLine(QPointF(13, 8), QPointF(13.5, 4.5));
        p.drawLine(QPointF(13.5, 4.5), QPointF(18.5, 4.5));
        p.drawLine(QPointF(18.5, 4.5), QPointF(19, 8));
        p.setPen(QPen(RemoveRed, 1.6, Qt::SolidLine, Qt::RoundCap));
        for (qreal x : {12.5, 16.0, 19.5})
            p.drawLine(QPointF(x, 13), QPointF(x, 24));
        break;
    }
    case ToolIcon::ClearAll:
        p.setPen(outline);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(4, 4, 22, 23), 2.5, 2.5);
        p.setPen(QPen(QColor(0xb8, 0xc0, 0xcb), 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(8.5, 9.5 + i * 4.5), QPointF(21.5, 9.5 + i * 4.5));
        badge(p, QPointF(24, 24), RemoveRed, false);
        break;
    case ToolIcon::Convert: {
        // The icon's bolt: a page turns into a movie.
        QPainterPath bolt;
        bolt.moveTo(19, 2);
        bolt.lineTo(7, 18);
        bolt.lineTo(15, 18);
        bolt.lineTo(12, 30);
        bolt.lineTo(25, 13);
        bolt.lineTo(17, 13);
        bolt.closeSubpath();
        p.setPen(QPen(QColor(0x9b, 0x2c, 0x12, 120), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::white);
        p.drawPath(bolt);
        break;
    }
    }
}

QLinearGradient vertical(const QRectF& r, QColor top, QColor bottom)
{
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

} // namespace

QImage toolButtonStrip(const QImage& skin, const QRect& at, ToolIcon icon, const QString& caption, Emphasis emphasis)
{
    return makeStrip(skin, at, [&](QPainter& p, const QRectF& face, State state) {
        const QRectF box = face.adjusted(1.5, 1.5, -1.5, -1.5);
        const bool primary = emphasis == Emphasis::Primary;
        if (primary) {
            const QColor top = state == State::Pressed ? AccentDark : state == State::Hover ? QColor(0xff, 0x85, 0x5c) : AccentLight;
            const QColor bottom = state == State::Pressed ? Accent : state == State::Hover ? AccentLight : Accent;
            p.setPen(QPen(AccentDark, 1));
            p.setBrush(vertical(box, top, bottom));
            p.drawRoundedRect(box, 6, 6);
            p.setPen(QColor(255, 255, 255, state == State::Pressed ? 0 : 70));
            p.drawLine(QPointF(box.left() + 5, box.top() + 1.5), QPointF(box.right() - 5, box.top() + 1.5));
        } else if (state == State::Hover) {
            p.setPen(QPen(QColor(0xcf, 0xd6, 0xdf), 1));
            p.setBrush(vertical(box, Qt::white, QColor(0xf4, 0xf6, 0xf9)));
            p.drawRoundedRect(box, 6, 6);
        } else if (state == State::Pressed) {
            p.setPen(QPen(QColor(0xb4, 0xbd, 0xc9), 1));
            p.setBrush(vertical(box, QColor(0xdc, 0xe1, 0xe8), QColor(0xe7, 0xeb, 0xf0)));
            p.drawRoundedRect(box, 6, 6);
        }
        const qreal shift = state == State::Pressed ? 1 : 0;
        p.save();
        p.translate(face.center().x() - 16 + shift, 6 + shift);
        drawToolIcon(p, icon, primary);
        p.restore();
        p.setPen(primary ? Qt::white : Text);
        p.setFont(uiFont(11, primary));
        p.drawText(QRectF(0, 43 + shift, face.width() + 2 * shift, 18), Qt::AlignHCenter | Qt::AlignVCenter, caption);
    });
}

QImage pushButtonStrip(const QImage& skin, const QRect& at, const QString& caption, Emphasis emphasis)
{
    return makeStrip(skin, at, [&](QPainter& p, const QRectF& face, State state) {
        const QRectF box = face.adjusted(0.5, 0.5, -0.5, -1.5);
        const bool primary = emphasis == Emphasis::Primary;
        // A one-pixel drop under the button, not when it is pushed in.
        if (state != State::Pressed) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 25));
            p.drawRoundedRect(box.translated(0, 1), 4, 4);
        }
        QColor border;
        QLinearGradient fill;
        if (primary) {
            border = AccentDark;
            fill = state == State::Pressed ? vertical(box, AccentDark, Accent)
                 : state == State::Hover   ? vertical(box, QColor(0xff, 0x85, 0x5c), AccentLight)
                                           : vertical(box, AccentLight, Accent);
        } else {
            border = state == State::Hover ? Accent : state == State::Pressed ? QColor(0x9a, 0xa5, 0xb3) : QColor(0xb7, 0xc0, 0xcc);
            fill = state == State::Pressed ? vertical(box, QColor(0xdf, 0xe4, 0xea), QColor(0xea, 0xed, 0xf2))
                 : state == State::Hover   ? vertical(box, Qt::white, AccentTint)
                                           : vertical(box, Qt::white, QColor(0xee, 0xf1, 0xf5));
        }
        p.setPen(QPen(border, 1));
        p.setBrush(fill);
        p.drawRoundedRect(box, 4, 4);
        const qreal shift = state == State::Pressed ? 1 : 0;
        p.setPen(primary ? Qt::white : Text);
        p.setFont(uiFont(11, primary));
        p.drawText(box.translated(0, shift), Qt::AlignCenter, caption);
    });
}

QImage titleButtonStrip(const QImage& skin, const QRect& at, TitleGlyph glyph)
{
    return makeStrip(skin, at, [&](QPainter& p, const QRectF& face, State state) {
        const QRectF box = face.adjusted(0.5, 0.5, -0.5, -0.5);
        if (state != State::Normal) {
            QColor back;
            if (glyph == TitleGlyph::Close)
                back = state == State::Hover ? QColor(0xe5, 0x48, 0x4d) : QColor(0xb9, 0x32, 0x38);
            else
                back = state == State::Hover ? QColor(255, 255, 255, 50) : QColor(0, 0, 0, 60);
            p.setPen(Qt::NoPen);
            p.setBrush(back);
            p.drawRoundedRect(box, 3, 3);
        }
        const QPointF c = box.center();
        p.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap));
        if (glyph == TitleGlyph::Close) {
            p.drawLine(c + QPointF(-3.5, -3.5), c + QPointF(3.5, 3.5));
            p.drawLine(c + QPointF(-3.5, 3.5), c + QPointF(3.5, -3.5));
        } else {
            p.drawLine(c + QPointF(-4, 3.5), c + QPointF(4, 3.5));
        }
    });
}

QImage pageButtonStrip(const QImage& skin, const QRect& at, PageDirection direction)
{
    return makeStrip(skin, at, [&](QPainter& p, const QRectF& face, State state) {
        const QRectF box = face.adjusted(0.5, 0.5, -0.5, -0.5);
        const QColor fill = state == State::Pressed ? Accent : state == State::Hover ? AccentTint : QColor(0xe6, 0xea, 0xef);
        const QColor border = state == State::Normal ? QColor(0xc6, 0xcd, 0xd7) : Accent;
        p.setPen(QPen(border, 1));
        p.setBrush(fill);
        p.drawRoundedRect(box, box.height() / 2, box.height() / 2);
        const QColor ink = state == State::Pressed ? Qt::white : state == State::Hover ? AccentDark : Ink;
        p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF c = box.center();
        const qreal d = direction == PageDirection::Previous ? -1 : 1;
        p.drawLine(c + QPointF(-1.5 * d, -3.5), c + QPointF(2 * d, 0));
        p.drawLine(c + QPointF(2 * d, 0), c + QPointF(-1.5 * d, 3.5));
    });
}

} // namespace art
