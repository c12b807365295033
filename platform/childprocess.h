#pragma once
// A child process started from an argument vector, never through a shell, with its standard
// output optionally led into a pipe that this process reads. One object serves one run.
//
// start(), readOutput() and wait() belong to one thread. terminate() may be called from any
// thread; it signals only this object's own child and only while that child has not been
// reaped, so a process id that the system has handed out again is never hit.

#include <mutex>
#include <string>
#include <sys/types.h>
#include <vector>

namespace platform {

// Appended to the base name of an executable of the installation ("" here, ".exe" on Windows).
constexpr const char* executableSuffix = "";

class ChildProcess {
public:
    ChildProcess() = default;
    // Closes the pipe; a child still running is killed and reaped, so none is left behind.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Creates the pipe for the child's standard output. False (errno in error()) when the
    // system has none to give; the child is then started with the caller's standard output.
    bool createOutputPipe();

    // Starts program (a path, not searched in PATH) with arguments as argv[1...], argv[0]
    // being the program itself, in workingFolder (empty: the caller's). Standard input and
    // standard error are the caller's. False when the child could not be started.
    bool start(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& workingFolder);

    // Reads what the child wrote, blocking until there is something. Returns the byte count,
    // 0 once every writer has closed the pipe (the child has ended), -1 on error.
    long readOutput(char* buffer, std::size_t capacity);

    // Waits without time limit for the child to end and reaps it. False when there is no
    // child or the wait failed.
    bool wait();

    // Kills the child (SIGKILL) if it runs and has not been reaped; true when signalled.
    bool terminate();

    pid_t pid() const;
    // Exit code of a child that ended by itself, -1 otherwise.
    int exitCode() const { return m_exitCode; }
    // Signal that ended the child, 0 when it exited by itself.
    int terminatingSignal() const { return m_signal; }
    // errno of the last failed step.
    int error() const { return m_error; }

private:
    void closePipe();

    mutable std::mutex m_mutex; // guards m_pid and m_reaped against terminate()
    pid_t m_pid = 0;
    bool m_reaped = false;
    int m_readFd = -1;
    int m_writeFd = -1;
    int m_exitCode = -1;
    int m_signal = 0;
    int m_error = 0;
};

} // namespace platform
