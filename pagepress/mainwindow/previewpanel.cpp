#include "pagepress/mainwindow/previewpanel.h"

#include <QImage>
#include <QPainter>

PreviewPanel::PreviewPanel(QWidget* parent)
    : QWidget(parent)
{
    // The surface covers the whole panel; Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackgroundRole(QPalette::Base);
}

void PreviewPanel::setDrawer(Drawer drawer)
{
    m_drawer = std::move(drawer);
}

void PreviewPanel::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0)
        return;
    QImage surface(size(), QImage::Format_RGB32);
    surface.fill(palette().color(backgroundRole()));
    if (m_drawer)
        m_drawer(surface);
    QPainter painter(this);
    painter.drawImage(0, 0, surface);
}
