#include "pagepress/documents/adding/addfilethread.h"

#include "pagepress/documents/adding/taddfiletipform.h"
#include "pagepress/documents/pdfengine.h"
#include "pagepress/module/muicontext.h"
#include "uikit/messageservice.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>

namespace {

// The hourglass for the length of a run, set and restored on the UI thread.
class WaitCursor {
public:
    WaitCursor()
    {
        uikit::Thread::Synchronize([] { QApplication::setOverrideCursor(Qt::WaitCursor); });
    }
    ~WaitCursor()
    {
        uikit::Thread::Synchronize([] { QApplication::restoreOverrideCursor(); });
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString applicationTitle()
{
    const MuiContext* context = GetMuiContext();
    return context ? context->Title : QCoreApplication::applicationName();
}

} // namespace

AddFileThread::AddFileThread(TAddFileTipForm* dialog)
    : m_dialog(dialog)
{
}

AddFileThread::~AddFileThread()
{
    // Execute() uses this object's members, so the worker must end before they go.
    requestStop();
    WaitFor();
}

void AddFileThread::SetFiles(const QStringList& files, ReportFailures report)
{
    Q_ASSERT(!isStarted());
    m_files = files;
    m_reportFailures = report;
}

void AddFileThread::SetExisting(const std::vector<TItemInfo*>& records)
{
    Q_ASSERT(!isStarted());
    m_existingPaths.clear();
    for (const TItemInfo* record : records)
        m_existingPaths.append(record->path);
}

QString AddFileThread::fileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

void AddFileThread::Execute()
{
    WaitCursor cursor;
    m_done.store(false);
    std::vector<TItemInfo> collected;
    PdfEngine& engine = pdfEngine();

    for (const QString& path : std::as_const(m_files)) {
        if (m_stop.load())
            break;
        synchronizeStatus(QStringLiteral("Add File: '%1'.").arg(path));
        if (path.isEmpty())
            break;

        const int32_t handle = engine.open(path);
        if (handle < 0) {
            if (m_reportFailures == ReportFailures::Yes && !m_stop.load())
                report(QStringLiteral("Fail to open file '%1'.").arg(path));
            continue;
        }
        const int32_t pageCount = engine.pageCount(handle);
        engine.close(handle);
        if (pageCount <= 0)
            continue;
        // Letter case counts: on a case-sensitive file system these are different files.
        if (m_existingPaths.contains(path, Qt::CaseSensitive)) {
            report(QStringLiteral("File '%1' is in the list already.").arg(path));
            continue;
        }
        TItemInfo document;
        document.name = fileNameOf(path);
        document.path = path;
        document.pageCount = pageCount;
        collected.push_back(std::move(document));
    }

    m_dialog->SetResults(std::move(collected));
    // The end event goes out before the last status update: the dialog's handler waits for
    // this thread, serving that update while it waits.
    QCoreApplication::postEvent(m_dialog, new QEvent(AddFilesDoneEvent));
    m_done.store(true);
    synchronizeStatus(QStringLiteral("Adding files done."));
}

void AddFileThread::synchronizeStatus(const QString& status)
{
    m_status = status;
    Synchronize([this] { UpdateStatus(); });
}

void AddFileThread::UpdateStatus()
{
    m_dialog->lblInfo()->setText(m_status);
    m_dialog->lblInfo()->repaint();
    if (m_done.load())
        m_dialog->showRunEnded();
}

void AddFileThread::report(const QString& text)
{
    uikit::showMessageOnUiThread(m_dialog, text, applicationTitle(), uikit::MessageButtons::Ok,
                                 uikit::MessageIcon::Information);
}
