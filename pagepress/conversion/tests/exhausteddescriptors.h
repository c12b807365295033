#pragma once
// Uses up every file descriptor the process may have, for the object's life, so that no
// file or pipe can be opened; the soft limit is lowered to 256 first so this stays quick.
// Everything is restored when the object goes.

#include <sys/resource.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

class ExhaustedDescriptors {
public:
    ExhaustedDescriptors()
    {
        m_limited = getrlimit(RLIMIT_NOFILE, &m_saved) == 0;
        if (m_limited) {
            rlimit low = m_saved;
            low.rlim_cur = std::min<rlim_t>(m_saved.rlim_cur, 256);
            m_limited = setrlimit(RLIMIT_NOFILE, &low) == 0;
        }
        for (int fd; (fd = open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;)
            m_fillers.push_back(fd);
        m_openError = errno;
    }
    ~ExhaustedDescriptors()
    {
        for (int fd : m_fillers)
            close(fd);
        if (m_limited)
            setrlimit(RLIMIT_NOFILE, &m_saved);
    }
    ExhaustedDescriptors(const ExhaustedDescriptors&) = delete;
    ExhaustedDescriptors& operator=(const ExhaustedDescriptors&) = delete;

    // Why the last open failed: EMFILE when the descriptors really ran out.
    int openError() const { return m_openError; }

private:
    rlimit m_saved{};
    bool m_limited = false;
    std::vector<int> m_fillers;
    int m_openError = 0;
};
