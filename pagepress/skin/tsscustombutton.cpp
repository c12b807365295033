#include "pagepress/skin/tsscustombutton.h"

#include "pagepress/skin/skinaccessibility.h"
#include "uikit/action.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace skin {

TssCustomButton::TssCustomButton(QWidget* parent)
    : QWidget(parent)
{
    installSkinAccessibility();
    // The off-screen image covers every pixel, so nothing is erased before painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    connect(this, &QObject::objectNameChanged, this, [this] {
        updateAccessibleName();
        update();
    });
}

void TssCustomButton::SetMask(ButtonMask mask)
{
    m_mask = mask;
    MaskChanged();
}

void TssCustomButton::SetMaskColor(QColor color)
{
    m_maskColor = color;
    MaskChanged();
}

void TssCustomButton::setAction(uikit::Action* action)
{
    disconnect(m_actionConnection);
    m_action = action;
    if (m_action)
        m_actionConnection = connect(m_action, &QAction::changed, this, &TssCustomButton::followAction);
    followAction();
}

void TssCustomButton::followAction()
{
    if (m_action)
        setEnabled(m_action->isEnabled());
    updateAccessibleName();
}

void TssCustomButton::setCaption(const QString& caption)
{
    m_caption = caption;
    updateAccessibleName();
}

void TssCustomButton::updateAccessibleName()
{
    QString name = m_caption;
    if (name.isEmpty() && m_action)
        name = m_action->caption();
    if (name.isEmpty())
        name = objectName();
    name.remove(QLatin1Char('&'));
    if (name.endsWith(QLatin1String("...")))
        name.chop(3);
    setAccessibleName(name);
}

void TssCustomButton::paintEvent(QPaintEvent*)
{
    AdjustSize();
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(palette().window().color());
    // A skin that fails to draw leaves the background showing rather than ending the paint.
    try {
        if (!isEnabled())
            PaintButtonDisabled(image);
        else if (m_mouseDown)
            PaintButtonMouseDown(image);
        else if (m_mouseOn)
            PaintButtonMouseOn(image);
        else
            PaintButtonNormal(image);
    } catch (...) {
    }
    QPainter(this).drawImage(0, 0, image);
}

bool TssCustomButton::isOutside(QPoint pos) const
{
    // The column x = width and the row y = height still count as inside.
    return pos.x() < 0 || pos.y() < 0 || pos.x() > width() || pos.y() > height();
}

void TssCustomButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_mouseDown = true;
        update();
    }
    event->accept();
}

void TssCustomButton::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (isOutside(event->position().toPoint()) && (m_mouseOn || m_mouseDown)) {
        m_mouseOn = false;
        m_mouseDown = false;
        update();
    }
}

void TssCustomButton::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !m_mouseDown)
        return;
    m_mouseDown = false;
    // A release away from the control is a drag-off even when no move reported it.
    if (isOutside(event->position().toPoint())) {
        m_mouseOn = false;
        update();
        return;
    }
    QPointer<TssCustomButton> self(this);
    m_clickPending = true;
    update();
    Click();
    if (self)
        m_clickPending = false;
}

void TssCustomButton::Click()
{
    if (!m_clickPending || !isEnabled())
        return;
    QPointer<TssCustomButton> self(this);
    if (parentWidget()) {
        for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
            if (auto* form = qobject_cast<uikit::Form*>(w)) {
                form->setModalResult(m_modalResult);
                break;
            }
        }
    }
    // The action link never installs the action's handler as the click handler, so a click
    // handler, when there is one, is always the button's own and wins.
    if (m_onClick) {
        const ClickHandler handler = m_onClick; // the handler may replace itself
        handler();
    } else if (m_action) {
        m_action->execute();
    }
    if (self)
        emit clicked();
}

void TssCustomButton::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    m_mouseOn = true;
    update();
    emit mouseEntered();
}

void TssCustomButton::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    m_mouseOn = false;
    update();
    emit mouseExited();
}

void TssCustomButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        repaint();
}

} // namespace skin
