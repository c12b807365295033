#include "pagepress/conversion/toolrunner.h"

#include "pagepress/conversion/pagescanner.h"
#include "platform/childprocess.h"

#include <QFile>

#include <array>
#include <string>
#include <vector>

ToolRunner::Result ToolRunner::run(const ToolCommand& command, const QString& workingFolder,
                                   const PageReport& report)
{
    platform::ChildProcess child;
    if (!child.createOutputPipe())
        return Result::PipeFailed;

    std::vector<std::string> arguments;
    for (const QString& argument : command.arguments())
        arguments.push_back(argument.toStdString());
    {
        // Started under the lock, so a concurrent stop() either prevents the start or sees
        // the child and kills it.
        std::lock_guard lock(m_mutex);
        if (m_stopped)
            return Result::Stopped;
        if (!child.start(QFile::encodeName(command.program()).toStdString(), arguments,
                         QFile::encodeName(workingFolder).toStdString()))
            return Result::StartFailed;
        m_running = &child;
    }
    // Whatever way the run ends, stop() must no longer reach the child.
    struct Unregister {
        ToolRunner* runner;
        ~Unregister()
        {
            std::lock_guard lock(runner->m_mutex);
            runner->m_running = nullptr;
        }
    } unregister{this};

    // One buffer per run; a read never fills its last byte, as the tool's protocol has it.
    std::array<char, 4096> buffer;
    PageScanner scanner;
    for (;;) {
        const long count = child.readOutput(buffer.data(), buffer.size() - 1);
        if (count <= 0)
            break; // the tool has ended and closed its output
        if (const std::optional<int> page = scanner.scan(buffer.data(), static_cast<std::size_t>(count)))
            report(*page);
    }
    return child.wait() ? Result::Ended : Result::WaitFailed;
}

void ToolRunner::stop()
{
    std::lock_guard lock(m_mutex);
    m_stopped = true;
    if (m_running)
        m_running->terminate();
}

bool ToolRunner::isStopped() const
{
    std::lock_guard lock(m_mutex);
    return m_stopped;
}
