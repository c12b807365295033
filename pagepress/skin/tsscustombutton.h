#pragma once
// TssCustomButton: the base of the skinned push buttons. It holds the mouse state machine
// (mouse over, pressed, click pending), paints through an off-screen image in one of four
// states, cuts its outline with a window region, and dispatches a click: the containing
// uikit::Form gets the button's ModalResult, then the click handler or the linked action
// runs. A click comes only from the left button pressed and released on the control;
// keyboard and programmatic clicks do nothing. Subclasses only draw states. UI thread only.

#include "uikit/action.h"
#include "uikit/form.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <functional>

class QImage;

namespace skin {

// Whether the outline of the normal cell is cut out of the control.
enum class ButtonMask { Off, On };

class TssCustomButton : public QWidget {
    Q_OBJECT
public:
    using ClickHandler = std::function<void()>;

    explicit TssCustomButton(QWidget* parent = nullptr);

    ButtonMask Mask() const { return m_mask; }
    void SetMask(ButtonMask mask);
    QColor MaskColor() const { return m_maskColor; }
    void SetMaskColor(QColor color);

    uikit::ModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(uikit::ModalResult result) { m_modalResult = result; }

    // OnClick. Runs instead of the linked action when both are set.
    void setClickHandler(ClickHandler handler) { m_onClick = std::move(handler); }
    // Links the action: the button follows its enabled state and caption, and executes
    // it on a click when no click handler is set. nullptr unlinks.
    void setAction(uikit::Action* action);
    uikit::Action* action() const { return m_action; }

    // The text screen readers announce; without one the linked action's caption is used,
    // and without an action the object name.
    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }

    bool isMouseOn() const { return m_mouseOn; }
    bool isMouseDown() const { return m_mouseDown; }

signals:
    void mouseEntered(); // OnMouseEnter
    void mouseExited();  // OnMouseExit
    // After a click has been dispatched (for observers; the click handler is the command).
    void clicked();

protected:
    virtual void MaskChanged() = 0;
    virtual void PaintButtonNormal(QImage& image) = 0;
    virtual void PaintButtonMouseOn(QImage& image) = 0;
    virtual void PaintButtonMouseDown(QImage& image) = 0;
    virtual void PaintButtonDisabled(QImage& image) = 0;
    // Gives the control the size of one state; runs before every paint.
    virtual void AdjustSize() {}
    virtual void Click();

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool isOutside(QPoint pos) const;
    void followAction();
    void updateAccessibleName();

    ButtonMask m_mask = ButtonMask::Off;
    QColor m_maskColor = QColor(255, 0, 255);
    uikit::ModalResult m_modalResult = uikit::ModalResult::None;
    bool m_mouseOn = false;      // FMouseOn
    bool m_mouseDown = false;    // FMouseDown: left press not yet released or dragged off
    bool m_clickPending = false; // FClickPending: only while a mouse-up delivers its click
    ClickHandler m_onClick;
    QPointer<uikit::Action> m_action;
    QMetaObject::Connection m_actionConnection;
    QString m_caption;
};

} // namespace skin
