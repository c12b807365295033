#include "pagepress/conversion/toolrunner.h"

#include "exhausteddescriptors.h"
#include "faketoolfolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

namespace {

struct Schedule {
    const char* name;
    QStringList script;
    std::vector<int> reports;
};

TEST(ToolRunner, ReportsPagesAsTheToolPrintsThem)
{
    // "drain" makes the tool wait until the runner has read what it wrote, so each print
    // arrives in a read of its own.
    const Schedule schedules[] = {
        {"one page line per read",
         {"print Converting page 1\\n", "drain", "print page 2\\n", "drain", "print page 3\\n", "drain",
          "print page 4\\n", "drain", "print page 5\\n", "drain", "exit 0"},
         {2, 3, 4, 5}},
        {"several page lines in one read", {"print page 2\\npage 3\\npage 4\\n", "exit 0"}, {4}},
        {"a page text split across reads", {"print pa", "drain", "print ge 7\\n", "drain", "exit 0"}, {}},
        {"the exit code plays no part", {"print page 3\\n", "exit 9"}, {3}},
    };
    for (const Schedule& schedule : schedules) {
        FakeToolFolder folder;
        folder.setScript(schedule.script);
        ToolCommand command(folder.toolPath());
        command.add("-p");
        command.add("1-5");
        ToolRunner runner;
        std::vector<int> reports;
        EXPECT_EQ(runner.run(command, folder.path(), [&](int page) { reports.push_back(page); }),
                  ToolRunner::Result::Ended)
            << schedule.name;
        EXPECT_EQ(reports, schedule.reports) << schedule.name;
    }
}

TEST(ToolRunner, StartsTheToolInItsFolderWithTheArgumentsIntact)
{
    FakeToolFolder folder;
    const QStringList arguments = {"/in/a \"b\" c.pdf", "-o", "/out\\x/Ünïcode 文件.swf", "-s",
                                   "languagedir=/app/RC2", ""};
    ToolCommand command(folder.toolPath());
    for (const QString& argument : arguments)
        command.add(argument);
    ToolRunner runner;
    ASSERT_EQ(runner.run(command, folder.path(), [](int) {}), ToolRunner::Result::Ended);

    // The tool keeps its record in its working folder: finding it there shows where it ran.
    const std::vector<FakeToolRun> runs = folder.runs();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].program, folder.toolPath());
    EXPECT_EQ(runs[0].arguments, arguments);
}

TEST(ToolRunner, AMissingToolFailsToStart)
{
    FakeToolFolder folder(false);
    ToolRunner runner;
    EXPECT_EQ(runner.run(ToolCommand(folder.toolPath()), folder.path(), [](int) {}),
              ToolRunner::Result::StartFailed);
}

TEST(ToolRunner, NoPipeMeansTheToolIsNotStarted)
{
    FakeToolFolder folder;
    ToolRunner::Result result = ToolRunner::Result::StartFailed;
    int openError = 0;
    {
        // Every descriptor used up, so the pipe cannot be made.
        ExhaustedDescriptors noDescriptors;
        openError = noDescriptors.openError();
        ToolRunner runner;
        result = runner.run(ToolCommand(folder.toolPath()), folder.path(), [](int) {});
    }
    ASSERT_EQ(openError, EMFILE);
    EXPECT_EQ(result, ToolRunner::Result::PipeFailed);
    EXPECT_TRUE(folder.runs().empty());
}

TEST(ToolRunner, StopKillsTheRunningToolAndEveryLaterRun)
{
    FakeToolFolder folder;
    folder.setScript({"print page 2\\n", "hang"});
    ToolRunner runner;
    std::vector<int> reports;
    std::thread stopper([&] {
        while (folder.runs().empty())
            usleep(1000);
        runner.stop();
    });
    const ToolRunner::Result result =
        runner.run(ToolCommand(folder.toolPath()), folder.path(), [&](int page) { reports.push_back(page); });
    stopper.join();
    EXPECT_EQ(result, ToolRunner::Result::Ended);
    ASSERT_EQ(folder.runs().size(), 1u);
    const pid_t pid = folder.runs()[0].pid;
    EXPECT_NE(kill(pid, 0), 0) << "the tool must be gone";
    EXPECT_EQ(errno, ESRCH);

    EXPECT_EQ(runner.run(ToolCommand(folder.toolPath()), folder.path(), [](int) {}), ToolRunner::Result::Stopped);
    EXPECT_EQ(folder.runs().size(), 1u);
}

} // namespace
