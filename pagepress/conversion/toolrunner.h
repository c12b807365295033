#pragma once
// Runs the converter tool for one command at a time: its standard output is read through a
// pipe, page numbers are picked out of it (PageScanner) and each change is reported, then the
// process is waited for. The tool's exit code plays no part in the result.
//
// run() belongs to one worker thread; stop() may be called from any thread. A stop is final
// for the runner: it kills the run in progress and lets no later run start, so a stop that
// comes between two runs cannot be missed. Only the runner's own child is ever signalled.

#include "pagepress/conversion/toolcommand.h"

#include <QString>

#include <functional>
#include <mutex>

namespace platform {
class ChildProcess;
}

class ToolRunner {
public:
    enum class Result {
        Ended,       // the tool ran and has ended (by itself or killed by stop())
        PipeFailed,  // no pipe for its output; the tool was not started
        StartFailed, // the tool could not be started
        WaitFailed,  // the tool was started but its end could not be waited for
        Stopped,     // stop() came first; the tool was not started
    };
    using PageReport = std::function<void(int page)>;

    // Starts command.program() with its arguments in workingFolder and reads its output until
    // it ends. report is called on this thread, at most once per read of the output.
    Result run(const ToolCommand& command, const QString& workingFolder, const PageReport& report);

    // Kills the run in progress, if any, and refuses later runs.
    void stop();
    bool isStopped() const;

private:
    mutable std::mutex m_mutex; // guards m_running and m_stopped
    platform::ChildProcess* m_running = nullptr;
    bool m_stopped = false;
};
