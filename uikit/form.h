#pragma once
// Form: a top-level window with a modal result, the way the application's dialogs work.
//
// showModal() shows the form application-modal and runs a nested event loop. Setting a
// non-zero modal result while that loop runs asks closeQuery() once control is back in the
// loop (after the click or timer handler that set it has returned); when the query agrees
// the loop ends and showModal() returns the result, otherwise the result goes back to None.
// The window's close command on a modal form sets ModalResult::Cancel. A form is not a
// frameless window by itself; the skin background makes its owner frameless.
// setModalResult() may be called from a worker thread; everything else is UI thread only.

#include <QPointer>
#include <QWidget>

class QEventLoop;

namespace uikit {

// Values a button or a worker stores in a form; any other int is allowed and returned as is.
enum class ModalResult : int { None = 0, Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

// Where the form opens when it is shown for the first time.
enum class FormPosition { Default, ScreenCenter, OwnerCenter };

class Form : public QWidget {
    Q_OBJECT
public:
    // owner: the window this form belongs to (it stays above it); may be null.
    explicit Form(QWidget* owner = nullptr);
    ~Form() override;

    ModalResult modalResult() const { return m_modalResult; }
    void setModalResult(ModalResult result);
    void setModalResult(int result) { setModalResult(static_cast<ModalResult>(result)); }

    // Shows the form modally and returns the result that ended the loop. The form is hidden
    // afterwards, not destroyed.
    ModalResult showModal();
    bool isShowingModal() const { return m_loop != nullptr; }

    void setPosition(FormPosition position) { m_position = position; }
    FormPosition position() const { return m_position; }

signals:
    void modalResultChanged(uikit::ModalResult result);

protected:
    // Asked before the form closes (modal result set, or the window's close command on a
    // form that is not modal). Return false to keep it open. modalResult() tells why.
    virtual bool closeQuery();

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void checkModalResult();
    void placeOnFirstShow();

    ModalResult m_modalResult = ModalResult::None;
    FormPosition m_position = FormPosition::Default;
    QEventLoop* m_loop = nullptr;
    bool m_checkQueued = false;
    bool m_placed = false;
};

} // namespace uikit
