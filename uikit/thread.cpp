#include "uikit/thread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <condition_variable>
#include <deque>
#include <mutex>

namespace uikit {

namespace {

struct SyncRequest {
    const std::function<void()>* call;
    bool done = false;
    std::exception_ptr error;
};

// The calls waiting for the UI thread. One mutex and one condition variable serve both the
// workers waiting for their call to be run and the UI thread waiting in WaitFor().
struct SyncQueue {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<SyncRequest*> pending;
};

SyncQueue& syncQueue()
{
    static SyncQueue queue;
    return queue;
}

bool onUiThread()
{
    QCoreApplication* application = QCoreApplication::instance();
    return !application || application->thread() == QThread::currentThread();
}

} // namespace

Thread::Thread() = default;

Thread::~Thread()
{
    if (m_started)
        WaitFor();
}

void Thread::Start()
{
    if (m_started)
        return;
    m_started = true;
    m_thread = std::thread(&Thread::run, this);
}

void Thread::run()
{
    try {
        Execute();
    } catch (...) {
        m_fatalException = std::current_exception();
    }
    SyncQueue& queue = syncQueue();
    {
        std::lock_guard lock(queue.mutex);
        m_finished.store(true, std::memory_order_release);
    }
    queue.changed.notify_all();
}

void Thread::WaitFor()
{
    if (!m_started)
        return;
    if (onUiThread()) {
        SyncQueue& queue = syncQueue();
        for (;;) {
            CheckSynchronize();
            std::unique_lock lock(queue.mutex);
            queue.changed.wait(lock, [&] { return isFinished() || !queue.pending.empty(); });
            if (isFinished() && queue.pending.empty())
                break;
        }
    }
    if (m_thread.joinable())
        m_thread.join();
}

void Thread::Synchronize(const std::function<void()>& call)
{
    if (onUiThread()) {
        call();
        return;
    }
    SyncQueue& queue = syncQueue();
    SyncRequest request{&call, false, nullptr};
    {
        std::lock_guard lock(queue.mutex);
        queue.pending.push_back(&request);
    }
    queue.changed.notify_all();
    // Wakes the UI thread's event loop; WaitFor() finds the request through the queue.
    if (QCoreApplication* application = QCoreApplication::instance())
        QMetaObject::invokeMethod(application, [] { CheckSynchronize(); }, Qt::QueuedConnection);

    std::unique_lock lock(queue.mutex);
    queue.changed.wait(lock, [&] { return request.done; });
    if (request.error)
        std::rethrow_exception(request.error);
}

bool Thread::CheckSynchronize()
{
    SyncQueue& queue = syncQueue();
    bool ranAny = false;
    for (;;) {
        SyncRequest* request = nullptr;
        {
            std::lock_guard lock(queue.mutex);
            if (queue.pending.empty())
                return ranAny;
            request = queue.pending.front();
            queue.pending.pop_front();
        }
        try {
            (*request->call)();
        } catch (...) {
            request->error = std::current_exception();
        }
        {
            std::lock_guard lock(queue.mutex);
            request->done = true;
        }
        queue.changed.notify_all();
        ranAny = true;
    }
}

} // namespace uikit
