#include "pagepress/mainwindow/captionmenubar.h"

#include "pagepress/forms/skinresources.h"

#include <QMenu>
#include <QPainter>
#include <QToolButton>

CaptionMenuBar::CaptionMenuBar(QWidget* parent)
    : QWidget(parent)
    , m_picture(skin::coolBarPicture())
{
    setObjectName(QStringLiteral("CoolBar1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setStyleSheet(QStringLiteral(
        "QToolButton { color: white; background: transparent; border: none; padding: 0px; }"
        "QToolButton:hover, QToolButton:pressed, QToolButton:open { background: rgba(255, 255, 255, 48); }"
        "QToolButton::menu-indicator { image: none; width: 0px; }"));
}

QToolButton* CaptionMenuBar::addMenu(QMenu* menu)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("ToolButton_") + menu->title().trimmed());
    button->setText(menu->title());
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    QFont captionFont(QStringLiteral("Arial"));
    captionFont.setPixelSize(12);
    button->setFont(captionFont);
    const int width = button->fontMetrics().horizontalAdvance(menu->title()) + 8;
    button->setGeometry(m_nextLeft, 1, width, height() - 2);
    m_nextLeft += width;
    return button;
}

void CaptionMenuBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_picture.isNull())
        painter.fillRect(rect(), QColor(40, 70, 110));
    else
        painter.drawImage(rect(), m_picture);
}
