#pragma once
// TAddFileTipForm: the small modal dialog shown while files are added. It owns the worker
// (AddFileThread), shows its status line, asks before cancelling, keeps the documents the
// worker collected and closes itself with OK when the worker's end event arrives.
//
// UI thread only, except SetResults, which the worker calls once before it posts its end
// event. Destroying the dialog stops the worker and waits for it before anything else goes.

#include "pagepress/documents/adding/addfilethread.h"
#include "pagepress/documents/titeminfo.h"
#include "uikit/form.h"

#include <QStringList>

#include <memory>
#include <vector>

class QLabel;

namespace skin {
class TssSkinButton;
class TssSkinForm;
} // namespace skin

class TAddFileTipForm final : public uikit::Form {
    Q_OBJECT

public:
    explicit TAddFileTipForm(QWidget* owner = nullptr);
    ~TAddFileTipForm() override;

    // Before the dialog is shown.
    void SetFiles(const QStringList& files, ReportFailures report);
    void SetExisting(const std::vector<TItemInfo*>& records);

    // The worker's results; replaces what was there.
    void SetResults(std::vector<TItemInfo> documents);
    // Appends the results, in order, to documents. Only after the dialog ended with OK.
    void TakeResults(std::vector<TItemInfo>& documents) const;

    // Called by the worker's last status update: OK becomes the only way out.
    void showRunEnded();

    void btnOKClick();
    void btnCancelClick();
    void btnCloseClick();

    QLabel* lblInfo() const { return m_lblInfo; }
    skin::TssSkinButton* btnOK() const { return m_btnOK; }
    skin::TssSkinButton* btnCancel() const { return m_btnCancel; }
    skin::TssSkinButton* btnClose() const { return m_btnClose; }
    AddFileThread* thread() const { return m_thread.get(); }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    void AddFilesDone();

    skin::TssSkinForm* m_ssSkinForm1;
    QLabel* m_lblInfo;
    skin::TssSkinButton* m_btnOK;
    skin::TssSkinButton* m_btnCancel;
    skin::TssSkinButton* m_btnClose;
    std::unique_ptr<AddFileThread> m_thread; // Thread
    std::vector<TItemInfo> m_results;        // Results
    // The cancel question is open; an end event that arrives meanwhile waits for its answer,
    // so a confirmed cancel always wins over a run that ended under the question.
    bool m_askingCancel = false;
    bool m_endPending = false;
};
