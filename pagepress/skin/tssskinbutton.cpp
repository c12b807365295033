#include "pagepress/skin/tssskinbutton.h"

#include "pagepress/skin/windowregion.h"

#include <QPainter>

namespace skin {

namespace {
constexpr QSize NoSkinSize(50, 30);
constexpr int NameBandHeight = 20;
} // namespace

TssSkinButton::TssSkinButton(QWidget* parent)
    : TssCustomButton(parent)
{
    AdjustSize();
}

TssSkinButton::TssSkinButton(const QImage& strip, const QString& caption, QWidget* parent)
    : TssSkinButton(parent)
{
    setCaption(caption);
    SetSkin(strip);
    SetMask(ButtonMask::On);
}

void TssSkinButton::SetSkin(const QImage& strip)
{
    m_skin = strip;
    SkinChanged();
    update();
}

void TssSkinButton::SetDivNum(int cells)
{
    if (cells < 1 || cells > 4)
        return;
    m_divNum = cells;
    AdjustSize();
    MaskChanged();
    update();
}

void TssSkinButton::SkinChanged()
{
    AdjustSize();
    MaskChanged();
    update();
}

QSize TssSkinButton::cellSize() const
{
    if (m_skin.width() == 0 || m_skin.height() == 0)
        return NoSkinSize;
    return QSize(m_skin.width() / m_divNum, m_skin.height());
}

void TssSkinButton::AdjustSize()
{
    const QSize cell = cellSize();
    if (size() != cell)
        setFixedSize(cell);
}

void TssSkinButton::MaskChanged()
{
    if (Mask() == ButtonMask::On && !m_skin.isNull()) {
        const int cellWidth = m_skin.width() / m_divNum;
        SetBitmapWindow(this, m_skin.copy(0, 0, cellWidth, m_skin.height()), MaskColor());
    } else {
        ResetWindow(this);
    }
}

void TssSkinButton::copyCell(QImage& image, int cell) const
{
    if (m_skin.isNull() || cell >= m_divNum)
        return;
    const int cellWidth = m_skin.width() / m_divNum;
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), m_skin, QRect(cell * cellWidth, 0, cellWidth, m_skin.height()));
}

void TssSkinButton::PaintButtonNormal(QImage& image)
{
    if (m_skin.isNull()) {
        QPainter painter(&image);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, width(), NameBandHeight), Qt::AlignHCenter | Qt::AlignVCenter, objectName());
        return;
    }
    copyCell(image, 0);
}

void TssSkinButton::PaintButtonMouseOn(QImage& image)
{
    if (m_divNum < 2 || m_skin.isNull())
        PaintButtonNormal(image);
    else
        copyCell(image, 1);
}

void TssSkinButton::PaintButtonMouseDown(QImage& image)
{
    if (m_divNum < 3 || m_skin.isNull())
        PaintButtonNormal(image);
    else
        copyCell(image, 2);
}

void TssSkinButton::PaintButtonDisabled(QImage& image)
{
    if (m_divNum < 4 || m_skin.isNull())
        PaintButtonNormal(image);
    else
        copyCell(image, 3);
}

} // namespace skin
