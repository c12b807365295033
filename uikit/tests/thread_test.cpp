#include "uikit/thread.h"
#include "uikit/scriptedmessageservice.h"
#include "uikit/testing/guiapp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <stdexcept>

namespace {

QApplication& application()
{
    return guiApp();
}

class LambdaThread final : public uikit::Thread {
public:
    explicit LambdaThread(std::function<void()> body)
        : m_body(std::move(body))
    {
    }
    ~LambdaThread() override { WaitFor(); }

protected:
    void Execute() override { m_body(); }

private:
    std::function<void()> m_body;
};

TEST(Thread, IsCreatedSuspendedAndNeverRunsUnlessStarted)
{
    application();
    std::atomic<int> runs{0};
    {
        LambdaThread neverStarted([&] { ++runs; });
        QTest::qWait(20);
        EXPECT_FALSE(neverStarted.isStarted());
    }
    LambdaThread thread([&] { ++runs; });
    EXPECT_EQ(runs, 0);
    thread.Start();
    thread.Start();
    thread.WaitFor();
    EXPECT_TRUE(thread.isFinished());
    EXPECT_EQ(runs, 1);
}

TEST(Thread, SynchronizedCallsRunOnTheUiThreadWhileTheWorkerWaits)
{
    QThread* uiThread = application().thread();
    std::atomic<bool> ranOnUiThread{false};
    std::atomic<bool> workerPassedTheCall{false};
    int calls = 0;
    LambdaThread thread([&] {
        for (int i = 0; i < 50; ++i) {
            uikit::Thread::Synchronize([&] {
                ++calls;
                ranOnUiThread = QThread::currentThread() == uiThread;
                EXPECT_FALSE(workerPassedTheCall) << "the worker must wait for its call";
            });
        }
        workerPassedTheCall = true;
    });
    thread.Start();
    // Served by the ordinary event loop while the UI thread is not waiting.
    QTRY_VERIFY_WITH_TIMEOUT(workerPassedTheCall.load(), 5000);
    thread.WaitFor();
    EXPECT_EQ(calls, 50);
    EXPECT_TRUE(ranOnUiThread);
}

TEST(Thread, WaitForServesOnlySynchronizedCalls)
{
    application();
    bool timerFired = false;
    QTimer::singleShot(0, [&] { timerFired = true; });
    std::atomic<bool> lastCallRan{false};
    LambdaThread thread([&] {
        QThread::msleep(30);
        uikit::Thread::Synchronize([&] { lastCallRan = true; });
    });
    thread.Start();
    thread.WaitFor(); // would deadlock if it did not serve the final call
    EXPECT_TRUE(lastCallRan);
    EXPECT_FALSE(timerFired) << "ordinary events wait for the event loop";
    QTest::qWait(10);
    EXPECT_TRUE(timerFired);
}

TEST(Thread, ExceptionsReachTheirCaller)
{
    application();
    std::string caught;
    LambdaThread thread([&] {
        try {
            uikit::Thread::Synchronize([] { throw std::runtime_error("from the UI thread"); });
        } catch (const std::runtime_error& error) {
            caught = error.what();
        }
        throw std::logic_error("escaped Execute");
    });
    thread.Start();
    thread.WaitFor();
    EXPECT_EQ(caught, "from the UI thread");
    ASSERT_TRUE(thread.fatalException());
    EXPECT_THROW(std::rethrow_exception(thread.fatalException()), std::logic_error);
}

TEST(Thread, WorkerMessageBoxesAreShownByTheUiThread)
{
    QThread* uiThread = application().thread();
    uikit::ScriptedMessageService messages;
    uikit::ScriptedMessageService::Installer installed(messages);
    messages.queueAnswer(uikit::MessageAnswer::Yes);
    bool shownOnUiThread = false;
    messages.setOnShow([&](const auto&) { shownOnUiThread = QThread::currentThread() == uiThread; });
    uikit::MessageAnswer answer = uikit::MessageAnswer::No;
    LambdaThread thread([&] {
        answer = uikit::showMessageOnUiThread(nullptr, "Error on CreateProcess()", "Error",
                                              uikit::MessageButtons::Ok, uikit::MessageIcon::Critical);
    });
    thread.Start();
    thread.WaitFor();
    EXPECT_EQ(answer, uikit::MessageAnswer::Yes);
    EXPECT_TRUE(shownOnUiThread);
    ASSERT_EQ(messages.calls().size(), 1);
    EXPECT_EQ(messages.calls()[0].caption, "Error");
}

} // namespace
