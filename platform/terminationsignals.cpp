#include "platform/terminationsignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

namespace {

int s_pipe[2] = {-1, -1};
constexpr int Signals[] = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] ssize_t written = write(s_pipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

int installTerminationSignals()
{
    if (s_pipe[0] >= 0)
        return s_pipe[0];
    if (pipe2(s_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        s_pipe[0] = s_pipe[1] = -1;
        return -1;
    }
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : Signals)
        sigaction(number, &action, nullptr);
    return s_pipe[0];
}

void drainTerminationSignals()
{
    char buffer[64];
    while (s_pipe[0] >= 0 && read(s_pipe[0], buffer, sizeof buffer) > 0) {
    }
}

void removeTerminationSignals()
{
    if (s_pipe[0] < 0)
        return;
    for (int number : Signals)
        signal(number, SIG_DFL);
    close(s_pipe[0]);
    close(s_pipe[1]);
    s_pipe[0] = s_pipe[1] = -1;
}

} // namespace platform
