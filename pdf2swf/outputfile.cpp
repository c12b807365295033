#include "outputfile.h"

#include "converterror.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pdf2swf {

namespace {

// The hidden temporary name, for the signal handler: it removes the file on a catchable
// termination (an unnamed file needs no such care, and SIGKILL leaves only a hidden name).
char g_temporaryPath[4096];
std::atomic<bool> g_haveTemporary{false};

extern "C" void removeTemporaryAndExit(int signal)
{
    if (g_haveTemporary.load())
        ::unlink(g_temporaryPath);
    ::_exit(128 + signal);
}

void watchTemporary(const std::string& path)
{
    if (path.size() >= sizeof g_temporaryPath)
        return;
    std::memcpy(g_temporaryPath, path.c_str(), path.size() + 1);
    g_haveTemporary.store(true);
    struct sigaction action = {};
    action.sa_handler = removeTemporaryAndExit;
    sigemptyset(&action.sa_mask);
    for (int s : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
        sigaction(s, &action, nullptr);
}

void forgetTemporary()
{
    g_haveTemporary.store(false);
}

std::string folderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

OutputFile::OutputFile(std::string finalPath, Mode mode)
    : m_finalPath(std::move(finalPath))
    , m_folder(folderOf(m_finalPath))
{
    struct stat info;
    if (::stat(m_folder.c_str(), &info) != 0)
        fail("output folder '" + m_folder + "' is not usable", errno);
    if (!S_ISDIR(info.st_mode))
        fail("output folder '" + m_folder + "' is not a folder", ENOTDIR);
    if (nameOf(m_finalPath).empty() || (::stat(m_finalPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode)))
        throw ConvertError(m_finalPath, "the output path names a folder, not a file");
    if (mode == Mode::NamedTemporary || !openUnnamed())
        openNamed();
}

OutputFile::~OutputFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_committed && !m_temporaryPath.empty()) {
        ::unlink(m_temporaryPath.c_str());
        forgetTemporary();
    }
}

bool OutputFile::openUnnamed()
{
    // Linking the file into place goes through /proc; without it, use a name.
    if (::access("/proc/self/fd", X_OK) != 0)
        return false;
    m_fd = ::open(m_folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (m_fd >= 0)
        return true;
    if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)
        return false; // the file system cannot do it
    fail("cannot write to output folder '" + m_folder + "'", errno);
}

void OutputFile::openNamed()
{
    std::string pattern = m_folder + "/." + nameOf(m_finalPath) + ".XXXXXX";
    m_fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (m_fd < 0)
        fail("cannot write to output folder '" + m_folder + "'", errno);
    m_temporaryPath = pattern;
    watchTemporary(m_temporaryPath);
    // mkostemp makes the file private; give it the permissions a new file would get.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(m_fd, 0666 & ~mask);
}

void OutputFile::write(std::span<const uint8_t> data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(m_fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail("cannot write the movie", errno);
        }
        data = data.subspan(static_cast<size_t>(n));
    }
}

void OutputFile::patch(uint64_t offset, std::span<const uint8_t> data)
{
    while (!data.empty()) {
        const ssize_t n = ::pwrite(m_fd, data.data(), data.size(), static_cast<off_t>(offset));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail("cannot write the movie", errno);
        }
        data = data.subspan(static_cast<size_t>(n));
        offset += static_cast<uint64_t>(n);
    }
}

void OutputFile::commit()
{
    if (::fsync(m_fd) != 0)
        fail("cannot write the movie", errno);
    if (m_temporaryPath.empty()) {
        const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, m_finalPath.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno != EEXIST)
                fail("cannot put the movie in place", errno);
            // An older file stands there: link under a hidden name, then rename over it, so the
            // replacement is atomic.
            for (int attempt = 0;; ++attempt) {
                const std::string hidden = m_folder + "/." + nameOf(m_finalPath) + "." + std::to_string(::getpid()) + "."
                    + std::to_string(attempt);
                if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, hidden.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                    m_temporaryPath = hidden;
                    watchTemporary(m_temporaryPath);
                    break;
                }
                if (errno != EEXIST || attempt > 100)
                    fail("cannot put the movie in place", errno);
            }
        }
    }
    if (!m_temporaryPath.empty() && ::rename(m_temporaryPath.c_str(), m_finalPath.c_str()) != 0)
        fail("cannot put the movie in place", errno);
    m_committed = true;
    forgetTemporary();
    ::close(m_fd);
    m_fd = -1;
}

void OutputFile::fail(const std::string& what, int error) const
{
    throw ConvertError(m_finalPath, what + ": " + std::strerror(error));
}

} // namespace pdf2swf
