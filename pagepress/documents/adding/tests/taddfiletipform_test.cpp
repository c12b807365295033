#include "pagepress/documents/adding/taddfiletipform.h"

#include "uikit/testing/guiapp.h"
#include "pagepress/documents/testing/scriptedpdfengine.h"
#include "pagepress/module/muicontext.h"
#include "pagepress/skin/tssskinbutton.h"
#include "uikit/scriptedmessageservice.h"
#include "uikit/thread.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QThread>
#include <QTimer>

#include <functional>
#include <thread>

namespace {

using uikit::MessageAnswer;
using uikit::ModalResult;

class AddingDialog : public testing::Test {
protected:
    AddingDialog()
    {
        guiApp();
        m_context.Title = QStringLiteral("Test Converter");
        SetMuiContext(&m_context);
    }
    ~AddingDialog() override { SetMuiContext(nullptr); }

    TItemInfo* listed(const QString& path)
    {
        m_listed.push_back(std::make_unique<TItemInfo>());
        m_listed.back()->path = path;
        return m_listed.back().get();
    }

    // Runs `call` on the UI thread every few milliseconds until it returns true.
    void pollUntil(std::function<bool()> call)
    {
        auto* timer = new QTimer(&m_timerOwner);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, call] {
            if (call())
                timer->stop();
        });
        timer->start(2);
    }

    // Waits for the worker of a dialog shown without a modal loop, serving its status updates.
    static void finishRun(TAddFileTipForm& dialog) { dialog.thread()->WaitFor(); }

    static QStringList names(const std::vector<TItemInfo>& documents)
    {
        QStringList result;
        for (const TItemInfo& document : documents)
            result.append(document.name);
        return result;
    }

    MuiContext m_context;
    ScriptedPdfEngine m_engine;
    ScopedPdfEngine m_engineInstaller{m_engine};
    uikit::ScriptedMessageService m_messages;
    uikit::ScriptedMessageService::Installer m_messagesInstaller{m_messages};
    std::vector<std::unique_ptr<TItemInfo>> m_listed;
    QObject m_timerOwner;
};

TEST_F(AddingDialog, RunClosesWithOkByItselfAndKeepsTheDocumentsInOrder)
{
    m_engine.setPageCount(QStringLiteral("/docs/a.pdf"), 3);
    m_engine.setPageCount(QStringLiteral("/docs/sub/b.PDF"), 12);
    TAddFileTipForm dialog;
    dialog.SetFiles({QStringLiteral("/docs/a.pdf"), QStringLiteral("/docs/sub/b.PDF")}, ReportFailures::Yes);

    EXPECT_EQ(dialog.showModal(), ModalResult::Ok);

    std::vector<TItemInfo> documents;
    dialog.TakeResults(documents);
    ASSERT_EQ(documents.size(), 2u);
    EXPECT_EQ(documents[0].name, "a.pdf");
    EXPECT_EQ(documents[0].path, "/docs/a.pdf");
    EXPECT_EQ(documents[0].pageCount, 3);
    EXPECT_EQ(documents[1].name, "b.PDF");
    EXPECT_EQ(documents[1].pageCount, 12);
    EXPECT_EQ(dialog.lblInfo()->text(), "Adding files done.");
    EXPECT_TRUE(dialog.btnOK()->isEnabled());
    EXPECT_FALSE(dialog.btnCancel()->isEnabled());
    EXPECT_TRUE(m_messages.calls().isEmpty());
    // One document open at a time, each closed before the next path.
    EXPECT_EQ(m_engine.openDocuments(), 0);
    EXPECT_EQ(m_engine.closeCalls(), 2);
}

TEST_F(AddingDialog, ReportsFollowTheFlagForFailuresButNotForDuplicates)
{
    const QString listedPath = QStringLiteral("/docs/Listed.pdf");
    const QString broken = QStringLiteral("/docs/broken.pdf");
    const QString empty = QStringLiteral("/docs/empty.pdf");
    const QString otherCase = QStringLiteral("/docs/listed.pdf");
    m_engine.setOpenResult(broken, -3);
    m_engine.setPageCount(empty, 0);

    struct Case {
        ReportFailures report;
        QStringList expectedTexts;
    };
    const Case cases[] = {
        {ReportFailures::Yes,
         {"Fail to open file '/docs/broken.pdf'.", "File '/docs/Listed.pdf' is in the list already."}},
        {ReportFailures::No, {"File '/docs/Listed.pdf' is in the list already."}},
    };
    for (const Case& c : cases) {
        m_messages.clear();
        // While a report is up, the status line names the file it is about.
        QStringList statusAtReport;
        TAddFileTipForm dialog;
        m_messages.setOnShow([&](const uikit::ScriptedMessageService::Call& call) {
            statusAtReport.append(dialog.lblInfo()->text());
            EXPECT_EQ(call.owner, &dialog);
            EXPECT_EQ(call.caption, "Test Converter");
            EXPECT_EQ(call.buttons, uikit::MessageButtons::Ok);
            EXPECT_EQ(call.icon, uikit::MessageIcon::Information);
        });
        dialog.SetFiles({broken, empty, listedPath, otherCase}, c.report);
        dialog.SetExisting({listed(listedPath)});

        EXPECT_EQ(dialog.showModal(), ModalResult::Ok);

        EXPECT_EQ(m_messages.texts(), c.expectedTexts);
        const QStringList expectedStatus = c.report == ReportFailures::Yes
                                               ? QStringList{"Add File: '/docs/broken.pdf'.", "Add File: '/docs/Listed.pdf'."}
                                               : QStringList{"Add File: '/docs/Listed.pdf'."};
        EXPECT_EQ(statusAtReport, expectedStatus);
        std::vector<TItemInfo> documents;
        dialog.TakeResults(documents);
        // Letter case makes another path; the page-less file goes without a word.
        EXPECT_EQ(names(documents), QStringList{"listed.pdf"});
        m_messages.setOnShow({});
    }
}

TEST_F(AddingDialog, EmptyPathEndsTheRunWithWhatWasCollected)
{
    TAddFileTipForm dialog;
    dialog.SetFiles({QStringLiteral("/a.pdf"), QString(), QStringLiteral("/b.pdf")}, ReportFailures::Yes);

    EXPECT_EQ(dialog.showModal(), ModalResult::Ok);

    std::vector<TItemInfo> documents;
    dialog.TakeResults(documents);
    EXPECT_EQ(names(documents), QStringList{"a.pdf"});
    EXPECT_EQ(m_engine.openedPaths(), QStringList{"/a.pdf"});
}

TEST_F(AddingDialog, ConfirmedCancelFinishesTheFileInHandAndOpensNoFurtherFile)
{
    // Cancel is confirmed while the duplicate report of file 2 is up: file 1 was collected.
    TAddFileTipForm dialog;
    dialog.SetFiles({"/1.pdf", "/2.pdf", "/3.pdf"}, ReportFailures::Yes);
    dialog.SetExisting({listed("/2.pdf")});
    m_messages.setOnShow([&](const uikit::ScriptedMessageService::Call& call) {
        if (!call.text.startsWith("File "))
            return;
        // The question is asked (and answered) before the report's own answer is given.
        m_messages.queueAnswer(MessageAnswer::Yes);
        dialog.btnCancelClick();
    });

    EXPECT_EQ(dialog.showModal(), ModalResult::Cancel);

    EXPECT_EQ(m_messages.texts(), (QStringList{"File '/2.pdf' is in the list already.",
                                               "Are you sure to stop adding files."}));
    const uikit::ScriptedMessageService::Call question = m_messages.calls().value(1);
    EXPECT_EQ(question.owner, &dialog);
    EXPECT_EQ(question.caption, "Cancel");
    EXPECT_EQ(question.buttons, uikit::MessageButtons::YesNo);
    EXPECT_EQ(question.icon, uikit::MessageIcon::None);
    dialog.thread()->WaitFor();
    EXPECT_EQ(m_engine.openedPaths(), (QStringList{"/1.pdf", "/2.pdf"}));
}

TEST_F(AddingDialog, FailedOpenOfTheFileInHandIsNotReportedAfterCancel)
{
    m_engine.setOpenResult("/1.pdf");
    m_engine.holdOpens();
    TAddFileTipForm dialog;
    dialog.SetFiles({"/1.pdf", "/2.pdf"}, ReportFailures::Yes);
    pollUntil([&] {
        if (m_engine.waitingOpens() == 0)
            return false;
        m_messages.queueAnswer(MessageAnswer::Yes);
        dialog.btnCancelClick();
        m_engine.releaseOpens();
        return true;
    });

    EXPECT_EQ(dialog.showModal(), ModalResult::Cancel);
    dialog.thread()->WaitFor();

    EXPECT_EQ(m_messages.texts(), QStringList{"Are you sure to stop adding files."});
    EXPECT_EQ(m_engine.openedPaths(), QStringList{"/1.pdf"});
}

TEST_F(AddingDialog, AnsweringNoLeavesTheRunGoing)
{
    m_engine.holdOpens();
    TAddFileTipForm dialog;
    dialog.SetFiles({"/1.pdf", "/2.pdf", "/3.pdf"}, ReportFailures::Yes);
    pollUntil([&] {
        if (m_engine.waitingOpens() == 0)
            return false;
        m_messages.queueAnswer(MessageAnswer::No);
        dialog.btnCloseClick(); // the close mark asks the same question while the run goes on
        m_engine.releaseOpens();
        return true;
    });

    EXPECT_EQ(dialog.showModal(), ModalResult::Ok);
    EXPECT_EQ(m_messages.texts(), QStringList{"Are you sure to stop adding files."});
    std::vector<TItemInfo> documents;
    dialog.TakeResults(documents);
    EXPECT_EQ(names(documents), (QStringList{"1.pdf", "2.pdf", "3.pdf"}));
}

TEST_F(AddingDialog, RunEndingUnderTheCancelQuestionStillEndsCancelledOnYes)
{
    TAddFileTipForm dialog;
    dialog.SetFiles({"/1.pdf"}, ReportFailures::Yes);
    m_engine.holdOpens();
    m_messages.setOnShow([&](const uikit::ScriptedMessageService::Call&) {
        // The worker finishes and its end event arrives while the question is open.
        m_engine.releaseOpens();
        while (!dialog.thread()->isFinished()) {
            uikit::Thread::CheckSynchronize();
            QThread::msleep(1);
        }
        uikit::Thread::CheckSynchronize();
        QCoreApplication::sendPostedEvents(&dialog, AddFilesDoneEvent);
        // A real box runs its own event loop, where the dialog's queued work would run.
        QCoreApplication::processEvents();
    });
    m_messages.queueAnswer(MessageAnswer::Yes);
    pollUntil([&] {
        if (m_engine.waitingOpens() == 0)
            return false;
        dialog.btnCancelClick();
        return true;
    });

    EXPECT_EQ(dialog.showModal(), ModalResult::Cancel);
}

TEST_F(AddingDialog, CloseMarkAfterTheRunClosesWithOk)
{
    TAddFileTipForm dialog;
    dialog.SetFiles({"/1.pdf"}, ReportFailures::Yes);
    dialog.show(); // not modal: the end event alone does not close it here
    finishRun(dialog);
    ASSERT_TRUE(dialog.btnOK()->isEnabled());

    dialog.btnCloseClick();

    EXPECT_EQ(dialog.modalResult(), ModalResult::Ok);
    EXPECT_TRUE(m_messages.calls().isEmpty());
}

TEST_F(AddingDialog, DestroyingTheDialogMidRunStopsAndWaitsForTheWorker)
{
    m_engine.holdOpens();
    auto dialog = std::make_unique<TAddFileTipForm>();
    dialog->SetFiles({"/1.pdf", "/2.pdf", "/3.pdf"}, ReportFailures::Yes);
    dialog->show();
    while (m_engine.waitingOpens() == 0) {
        uikit::Thread::CheckSynchronize();
        QThread::msleep(1);
    }
    // Lets the held open go only once the dialog's destruction has asked the worker to stop.
    const AddFileThread* worker = dialog->thread();
    std::thread releaser([&] {
        while (!worker->isStopRequested())
            QThread::msleep(1);
        m_engine.releaseOpens();
    });

    dialog.reset();
    releaser.join();

    EXPECT_EQ(m_engine.openedPaths(), QStringList{"/1.pdf"});
    EXPECT_EQ(m_engine.openDocuments(), 0) << "the file in hand is finished, closed included";
}

TEST_F(AddingDialog, FileNameIsWhatFollowsTheLastSeparator)
{
    EXPECT_EQ(AddFileThread::fileNameOf("/a/b/c.pdf"), "c.pdf");
    EXPECT_EQ(AddFileThread::fileNameOf("plain.pdf"), "plain.pdf");
    EXPECT_EQ(AddFileThread::fileNameOf("/a/b/"), "");
}

} // namespace
