#include "platform/childprocess.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <limits.h>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

std::string readAll(platform::ChildProcess& child)
{
    std::string output;
    char buffer[256];
    long count;
    while ((count = child.readOutput(buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(count));
    EXPECT_EQ(count, 0) << "the output must end when the child has ended";
    return output;
}

TEST(ChildProcess, ArgumentsReachTheChildExactlyAsGiven)
{
    // Characters a shell or a command-line splitter would change.
    const std::vector<std::string> tricky = {
        "a \"quoted\" name", "back\\slash\\", "Grüße 文件.pdf", "", "$HOME", "*", "'", "x  y",
    };
    std::vector<std::string> arguments = {"[%s]\\n"};
    arguments.insert(arguments.end(), tricky.begin(), tricky.end());

    platform::ChildProcess child;
    ASSERT_TRUE(child.createOutputPipe());
    ASSERT_TRUE(child.start("/usr/bin/printf", arguments, {})) << child.error();
    std::string expected;
    for (const std::string& argument : tricky)
        expected += "[" + argument + "]\n";
    EXPECT_EQ(readAll(child), expected);
    ASSERT_TRUE(child.wait());
    EXPECT_EQ(child.exitCode(), 0);
    EXPECT_EQ(child.terminatingSignal(), 0);
}

TEST(ChildProcess, RunsInTheGivenWorkingFolderAndReportsTheExitCode)
{
    char pattern[] = "/tmp/pp child XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    char resolved[PATH_MAX];
    ASSERT_NE(realpath(pattern, resolved), nullptr);

    platform::ChildProcess child;
    ASSERT_TRUE(child.createOutputPipe());
    ASSERT_TRUE(child.start("/bin/sh", {"-c", "pwd -P; exit 7"}, pattern));
    EXPECT_EQ(readAll(child), std::string(resolved) + "\n");
    ASSERT_TRUE(child.wait());
    EXPECT_EQ(child.exitCode(), 7);
    rmdir(pattern);
}

TEST(ChildProcess, StartFailuresLeaveNoChild)
{
    struct Case {
        const char* program;
        const char* workingFolder;
    };
    const Case cases[] = {
        {"/nonexistent/tool", ""},
        {"/bin/true", "/nonexistent/folder"},
    };
    for (const Case& c : cases) {
        platform::ChildProcess child;
        ASSERT_TRUE(child.createOutputPipe());
        EXPECT_FALSE(child.start(c.program, {}, c.workingFolder)) << c.program;
        EXPECT_EQ(child.error(), ENOENT) << c.program;
        EXPECT_EQ(child.pid(), 0);
        EXPECT_FALSE(child.terminate());
        EXPECT_FALSE(child.wait());
    }
}

TEST(ChildProcess, TerminateFromAnotherThreadEndsABlockedReadAndTheChild)
{
    platform::ChildProcess child;
    ASSERT_TRUE(child.createOutputPipe());
    ASSERT_TRUE(child.start("/bin/sleep", {"1000"}, {}));
    const pid_t pid = child.pid();
    ASSERT_GT(pid, 0);

    std::thread stopper([&] {
        // Let the owner block in its read first; the kill must end it either way.
        usleep(50 * 1000);
        EXPECT_TRUE(child.terminate());
    });
    EXPECT_EQ(readAll(child), "");
    stopper.join();
    ASSERT_TRUE(child.wait());
    EXPECT_EQ(child.terminatingSignal(), SIGKILL);
    EXPECT_EQ(child.exitCode(), -1);
    EXPECT_NE(::kill(pid, 0), 0) << "the killed child must be reaped";

    // Once reaped its id may belong to someone else: it is never signalled again.
    EXPECT_FALSE(child.terminate());
}

TEST(ChildProcess, DestroyingTheObjectKillsAndReapsAChildStillRunning)
{
    pid_t pid = 0;
    {
        platform::ChildProcess child;
        ASSERT_TRUE(child.start("/bin/sleep", {"1000"}, {}));
        pid = child.pid();
    }
    EXPECT_NE(::kill(pid, 0), 0);
    EXPECT_EQ(errno, ESRCH);
}

} // namespace
