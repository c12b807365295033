#include "toolrunner.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::vector<char*> argvOf(const std::string& program, const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    return argv;
}

int statusToCode(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return -WTERMSIG(status);
    return -1000;
}

// Runs program with both output streams captured; program is looked up on PATH.
ToolResult capture(const std::string& program, const std::vector<std::string>& arguments)
{
    int outPipe[2];
    int errPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0 || pipe2(errPipe, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
    std::vector<char*> argv = argvOf(program, arguments);
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(outPipe[1]);
    close(errPipe[1]);
    ToolResult result;
    if (rc != 0) {
        close(outPipe[0]);
        close(errPipe[0]);
        result.err = std::string("cannot start ") + program + ": " + std::strerror(rc);
        return result;
    }
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int open = 2;
    while (open > 0) {
        if (poll(fds, 2, -1) < 0 && errno != EINTR)
            break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP)))
                continue;
            char buffer[65536];
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<size_t>(n));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitCode = statusToCode(status);
    return result;
}

std::string envOr(const char* name, const char* fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

std::string readerScript()
{
    return std::string(PDF2SWF_SWFCHECK_DIR) + "/swfcheck.mjs";
}

} // namespace

std::string ToolRunner::toolPath()
{
    return envOr("PP_STAGE_DIR", PDF2SWF_STAGE_DIR) + "/pdf2swf";
}

std::string ToolRunner::viewerPath()
{
    return envOr("PP_STAGE_DIR", PDF2SWF_STAGE_DIR) + "/swfs/rfxview.swf";
}

std::string ToolRunner::fixture(const std::string& name)
{
    return envOr("PP_FIXTURES_DIR", PDF2SWF_FIXTURES_DIR) + "/" + name;
}

ToolResult ToolRunner::run(const std::vector<std::string>& arguments)
{
    return capture(toolPath(), arguments);
}

ToolRunner::Running ToolRunner::start(const std::vector<std::string>& arguments)
{
    int outPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const std::string program = toolPath();
    std::vector<char*> argv = argvOf(program, arguments);
    Running running;
    const int rc = posix_spawn(&running.pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(outPipe[1]);
    if (rc != 0)
        throw std::runtime_error("cannot start the tool");
    running.outFd = outPipe[0];
    return running;
}

bool ToolRunner::readUntil(const Running& running, const std::string& text, std::string& seen)
{
    while (seen.find(text) == std::string::npos) {
        char buffer[4096];
        const ssize_t n = read(running.outFd, buffer, sizeof buffer);
        if (n <= 0)
            return false;
        seen.append(buffer, static_cast<size_t>(n));
    }
    return true;
}

int ToolRunner::wait(Running& running)
{
    int status = 0;
    waitpid(running.pid, &status, 0);
    close(running.outFd);
    running.outFd = -1;
    return statusToCode(status);
}

std::string ToolRunner::readerCommandProblem()
{
    if (capture("node", {"--version"}).exitCode != 0)
        return "node is not installed";
    if (!std::filesystem::exists(std::string(PDF2SWF_SWFCHECK_DIR) + "/node_modules/swf-parser"))
        return "swf-parser is not installed (run scripts/setup-deps)";
    return {};
}

std::map<std::string, std::string> ToolRunner::summary(const std::string& moviePath)
{
    const ToolResult r = capture("node", {readerScript(), "--lines", moviePath});
    std::map<std::string, std::string> values;
    if (r.exitCode != 0) {
        values["error"] = r.out + r.err;
        return values;
    }
    std::istringstream lines(r.out);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t eq = line.find('=');
        if (eq != std::string::npos)
            values[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return values;
}

bool ToolRunner::runProgram(const std::vector<std::string>& arguments)
{
    return runCaptured(arguments).exitCode == 0;
}

ToolResult ToolRunner::runCaptured(const std::vector<std::string>& arguments)
{
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    return capture(arguments.front(), rest);
}

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "pdf2swf-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

bool fileExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

std::vector<std::string> folderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
