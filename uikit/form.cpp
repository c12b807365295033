#include "uikit/form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>

namespace uikit {

Form::Form(QWidget* owner)
    : QWidget(owner, Qt::Window)
{
}

Form::~Form()
{
    if (m_loop)
        m_loop->exit(static_cast<int>(ModalResult::Cancel));
}

void Form::setModalResult(ModalResult result)
{
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, [this, result] { setModalResult(result); }, Qt::QueuedConnection);
        return;
    }
    m_modalResult = result;
    emit modalResultChanged(result);
    // The loop looks at the result once the handler that set it has returned, so a button
    // click finishes its own work before the close query runs.
    if (m_loop && result != ModalResult::None && !m_checkQueued) {
        m_checkQueued = true;
        QMetaObject::invokeMethod(this, &Form::checkModalResult, Qt::QueuedConnection);
    }
}

void Form::checkModalResult()
{
    m_checkQueued = false;
    if (!m_loop || m_modalResult == ModalResult::None)
        return;
    if (closeQuery()) {
        if (m_loop)
            m_loop->exit(static_cast<int>(m_modalResult));
    } else {
        m_modalResult = ModalResult::None;
    }
}

ModalResult Form::showModal()
{
    Q_ASSERT(!m_loop);
    const Qt::WindowModality oldModality = windowModality();
    const bool wasVisible = isVisible();
    if (wasVisible)
        hide(); // modality only takes effect on show
    setWindowModality(Qt::ApplicationModal);
    m_modalResult = ModalResult::None;

    QEventLoop loop;
    m_loop = &loop;
    QPointer<Form> self(this);
    show();
    raise();
    activateWindow();
    const auto result = static_cast<ModalResult>(loop.exec(QEventLoop::DialogExec));
    if (!self)
        return result;
    m_loop = nullptr;
    hide();
    setWindowModality(oldModality);
    return result;
}

bool Form::closeQuery()
{
    return true;
}

void Form::closeEvent(QCloseEvent* event)
{
    if (m_loop) {
        // The close command of a modal form is a cancel; the loop decides the rest.
        event->ignore();
        setModalResult(ModalResult::Cancel);
        return;
    }
    if (closeQuery())
        event->accept();
    else
        event->ignore();
}

void Form::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    placeOnFirstShow();
}

void Form::placeOnFirstShow()
{
    if (m_placed)
        return;
    m_placed = true;
    QRect area;
    if (m_position == FormPosition::OwnerCenter && parentWidget())
        area = parentWidget()->window()->frameGeometry();
    else if (m_position != FormPosition::Default && screen())
        area = screen()->availableGeometry();
    if (area.isValid())
        move(area.center() - QPoint(width() / 2, height() / 2));
}

} // namespace uikit
