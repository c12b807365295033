#pragma once
// A worker thread in the style of a component library's thread class: created suspended,
// started once with Start(), runs Execute() once. Synchronize() runs a call on the UI thread
// while the worker waits; WaitFor() on the UI thread keeps serving those calls (and only
// those) until the worker has ended, so a final synchronised call can never deadlock it.
//
// The object belongs to the UI thread. Destroying it waits for a started worker; a thread
// that was never started is destroyed without running. A derived class whose Execute() uses
// its own members stops and waits for the worker in its own destructor.

#include <atomic>
#include <exception>
#include <functional>
#include <thread>

namespace uikit {

class Thread {
public:
    Thread();
    virtual ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts the worker; later calls do nothing.
    void Start();
    // Blocks until the worker has ended. On the UI thread, synchronised calls of any worker
    // are run while waiting; no other event is processed.
    void WaitFor();

    bool isStarted() const { return m_started; }
    bool isFinished() const { return m_finished.load(std::memory_order_acquire); }
    // An exception that escaped Execute(), kept for the owner; null when none did.
    std::exception_ptr fatalException() const { return m_fatalException; }

    // Runs call on the UI thread and returns when it has run there. Called on the UI thread
    // itself it simply runs the call. Exceptions of the call are passed back to the caller.
    static void Synchronize(const std::function<void()>& call);

    // Runs the synchronised calls that are waiting now; true if there were any.
    static bool CheckSynchronize();

protected:
    virtual void Execute() = 0;

private:
    void run();

    std::thread m_thread;
    bool m_started = false;
    std::atomic<bool> m_finished{false};
    std::exception_ptr m_fatalException;
};

} // namespace uikit
