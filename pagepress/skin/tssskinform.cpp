#include "pagepress/skin/tssskinform.h"

#include "pagepress/skin/windowregion.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace skin {

TssSkinForm::TssSkinForm(QWidget* form)
    : QWidget(form)
    , m_form(form)
{
    setObjectName(QStringLiteral("ssSkinForm"));
    setAccessibleName(tr("Window background"));
    if (m_form && m_form->isWindow())
        m_form->setWindowFlag(Qt::FramelessWindowHint, true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(200, 100);
    lower();
}

void TssSkinForm::SetPicture(const QImage& glyph)
{
    m_glyph = glyph;
    ReSetWndRgn();
    update();
}

void TssSkinForm::SetColor(QColor transparentColor)
{
    m_transparentColor = transparentColor;
    ReSetWndRgn();
    update();
}

void TssSkinForm::ReSetWndRgn()
{
    if (m_glyph.isNull())
        return;
    if (m_form)
        SetBitmapWindow(m_form, m_glyph, m_transparentColor);
    if (m_glyph.width() != 0 && m_glyph.height() != 0)
        resize(m_glyph.size());
    move(0, 0);
    if (m_form)
        m_form->resize(size());
    emit regionChanged();
}

void TssSkinForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_glyph.isNull()) {
        painter.drawImage(0, 0, m_glyph);
        return;
    }
    painter.fillRect(rect(), palette().window());
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TssSkinForm::mousePressEvent(QMouseEvent* event)
{
    // Any button moves the window, as a press on a caption would.
    QWidget::mousePressEvent(event);
    event->accept();
    startWindowMove();
}

bool TssSkinForm::startWindowMove()
{
    QWidget* window = m_form ? m_form->window() : this->window();
    QWindow* handle = window ? window->windowHandle() : nullptr;
    return handle && handle->startSystemMove();
}

} // namespace skin
