#include "windowskins.h"

#include "artstyle.h"
#include "icondrawing.h"
#include "pictures.h"
#include "pagepress/forms/skinlayout.h"

#include <QLinearGradient>
#include <QPainter>

namespace art {

namespace L = skin::layout;

namespace {

void titleText(QImage& image, const QRect& band, int left, const QString& text, bool icon)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (icon) {
        const int size = 16;
        p.drawImage(QPoint(left, band.center().y() - size / 2 + 1), drawApplicationIcon(size));
        left += size + 8;
    }
    p.setPen(Qt::white);
    p.setFont(uiFont(12, true));
    p.drawText(QRect(left, band.top(), band.width() - left - 40, band.height()), Qt::AlignVCenter | Qt::AlignLeft, text);
}

} // namespace

QImage drawMainWindowSkin()
{
    QImage image = windowBase(831, 572, L::main::TitleBand.height(), 10);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.drawImage(QPoint(14, 10), drawApplicationIcon(18));
        p.drawImage(L::main::CoolBar.topLeft(), drawCoolBar());

        // The tool band under the menu: a touch lighter, closed by a divider.
        const QRect band(1, L::main::CoolBar.bottom() + 1, 829, 84);
        QLinearGradient tools(0, band.top(), 0, band.bottom());
        tools.setColorAt(0, QColor(0xfb, 0xfc, 0xfd));
        tools.setColorAt(1, QColor(0xee, 0xf1, 0xf5));
        p.fillRect(band, tools);
        p.setPen(QColor(0xd5, 0xdb, 0xe3));
        p.drawLine(QPointF(band.left(), band.bottom() + 0.5), QPointF(band.right(), band.bottom() + 0.5));
        p.setPen(QColor(0xd9, 0xde, 0xe5));
        const int sep = L::main::ClearAllButton.right() + 12;
        p.drawLine(QPointF(sep + 0.5, band.top() + 14), QPointF(sep + 0.5, band.bottom() - 14));
    }
    drawPanel(image, L::main::ListArea);
    drawPanel(image, L::main::PreviewBox, QStringLiteral("Preview"));
    drawPanel(image, L::main::OptionsBox);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        // The page area of the preview, framed like a sheet on a desk.
        const QRectF sheet = QRectF(L::main::PreviewPanel).adjusted(-1.5, -1.5, 1.5, 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 22));
        p.drawRect(sheet.translated(1, 2));
        p.setBrush(QColor(0xf7, 0xf8, 0xfa));
        p.setPen(QPen(QColor(0xc9, 0xd0, 0xd9), 1));
        p.drawRect(sheet);
        // Hairlines between the option groups and above the folder row.
        p.setPen(QColor(0xe1, 0xe5, 0xeb));
        const qreal split = (L::main::OptionGroup.right() + L::main::PageRangeGroup.left()) / 2 + 0.5;
        p.drawLine(QPointF(split, L::main::OptionGroup.top() + 4), QPointF(split, L::main::OptionGroup.bottom() - 2));
        const qreal rule = L::main::FolderRow.top() - 3.5;
        p.drawLine(QPointF(L::main::FolderRow.left(), rule), QPointF(L::main::FolderRow.right(), rule));
    }
    return image;
}

QImage drawAddFileDialogSkin()
{
    QImage image = windowBase(527, 226, L::addfile::TitleBand.height(), 8, 226 - 164);
    titleText(image, L::addfile::TitleBand, 12, QStringLiteral("Add File"), true);
    drawPanel(image, L::addfile::InfoPanel);
    return image;
}

QImage drawConvertDialogSkin()
{
    QImage image = windowBase(458, 187, L::convert::TitleBand.height(), 8, 187 - 116);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The groove the fill runs in: 1 px of air around the 13 px fill, one more at each end.
    const QRect bar = L::convert::ProgressBar;
    const QRectF groove(bar.left() - 1.5, bar.top() + 1.5, bar.width() + 2, 16);
    p.setPen(QPen(QColor(0xbd, 0xc5, 0xd0), 1));
    QLinearGradient well(0, groove.top(), 0, groove.bottom());
    well.setColorAt(0, QColor(0xdc, 0xe1, 0xe8));
    well.setColorAt(1, QColor(0xee, 0xf1, 0xf5));
    p.setBrush(well);
    p.drawRoundedRect(groove, 3, 3);
    return image;
}

QImage drawAboutBoxSkin()
{
    QImage image = windowBase(418, 263, L::about::TitleBand.height(), 8, 263 - 212);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF picture = QRectF(L::about::Picture);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 28));
    p.drawRoundedRect(picture.adjusted(-1, 0, 1, 3), 6, 6);
    return image;
}

} // namespace art
