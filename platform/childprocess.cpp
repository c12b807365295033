#include "platform/childprocess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace platform {

namespace {

// Owns a file-actions object for the length of one spawn.
class SpawnActions {
public:
    SpawnActions() { m_ok = posix_spawn_file_actions_init(&m_actions) == 0; }
    ~SpawnActions()
    {
        if (m_ok)
            posix_spawn_file_actions_destroy(&m_actions);
    }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    bool ok() const { return m_ok; }
    posix_spawn_file_actions_t* get() { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions;
    bool m_ok = false;
};

} // namespace

ChildProcess::~ChildProcess()
{
    closePipe();
    if (pid() > 0 && !m_reaped) {
        terminate();
        wait();
    }
}

bool ChildProcess::createOutputPipe()
{
    closePipe();
    int fds[2];
    // Close-on-exec, so neither end leaks into this or any other child; the spawn's dup2
    // gives the child its own inheritable copy of the write end.
    if (pipe2(fds, O_CLOEXEC) != 0) {
        m_error = errno;
        return false;
    }
    m_readFd = fds[0];
    m_writeFd = fds[1];
    return true;
}

bool ChildProcess::start(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& workingFolder)
{
    SpawnActions actions;
    if (!actions.ok()) {
        m_error = ENOMEM;
        return false;
    }
    if (m_writeFd >= 0) {
        const int rc = posix_spawn_file_actions_adddup2(actions.get(), m_writeFd, STDOUT_FILENO);
        if (rc != 0) {
            m_error = rc;
            return false;
        }
    }
    if (!workingFolder.empty()) {
        const int rc = posix_spawn_file_actions_addchdir_np(actions.get(), workingFolder.c_str());
        if (rc != 0) {
            m_error = rc;
            return false;
        }
    }

    std::vector<char*> argv;
    argv.reserve(arguments.size() + 2);
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t child = 0;
    const int rc = posix_spawn(&child, program.c_str(), actions.get(), nullptr, argv.data(), environ);
    if (rc != 0) {
        m_error = rc;
        return false;
    }
    {
        std::lock_guard lock(m_mutex);
        m_pid = child;
        m_reaped = false;
    }
    // Only the child may hold the write end now, so the pipe breaks once it has ended.
    if (m_writeFd >= 0) {
        ::close(m_writeFd);
        m_writeFd = -1;
    }
    return true;
}

long ChildProcess::readOutput(char* buffer, std::size_t capacity)
{
    if (m_readFd < 0) {
        m_error = EBADF;
        return -1;
    }
    for (;;) {
        const ssize_t count = ::read(m_readFd, buffer, capacity);
        if (count >= 0)
            return static_cast<long>(count);
        if (errno != EINTR) {
            m_error = errno;
            return -1;
        }
    }
}

bool ChildProcess::wait()
{
    const pid_t child = pid();
    if (child <= 0 || m_reaped) {
        m_error = ECHILD;
        return false;
    }
    // Wait for the end without reaping: until it is reaped, the id stays the child's and
    // terminate() can still use it safely.
    siginfo_t info{};
    int rc;
    do {
        rc = waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOWAIT);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        m_error = errno;
        return false;
    }

    std::lock_guard lock(m_mutex);
    int status = 0;
    pid_t reaped;
    do {
        reaped = waitpid(child, &status, 0);
    } while (reaped < 0 && errno == EINTR);
    m_reaped = true;
    if (reaped != child) {
        m_error = errno;
        return false;
    }
    if (WIFEXITED(status)) {
        m_exitCode = WEXITSTATUS(status);
        m_signal = 0;
    } else if (WIFSIGNALED(status)) {
        m_exitCode = -1;
        m_signal = WTERMSIG(status);
    }
    return true;
}

bool ChildProcess::terminate()
{
    std::lock_guard lock(m_mutex);
    if (m_pid <= 0 || m_reaped)
        return false;
    return ::kill(m_pid, SIGKILL) == 0;
}

pid_t ChildProcess::pid() const
{
    std::lock_guard lock(m_mutex);
    return m_pid;
}

void ChildProcess::closePipe()
{
    if (m_readFd >= 0)
        ::close(m_readFd);
    if (m_writeFd >= 0)
        ::close(m_writeFd);
    m_readFd = m_writeFd = -1;
}

} // namespace platform
