#include "faketoolfolder.h"

#include "platform/childprocess.h"

#include <QDir>
#include <QFile>
#include <QTest>

FakeToolFolder::FakeToolFolder(bool withTool)
    : m_dir(QDir::tempPath() + "/pp conv XXXXXX")
{
    m_context.ExeDir = path();
    m_context.ResourceDir = path() + "sys/soft/Test/";
    m_context.Title = "Test";
    if (withTool)
        QFile::link(FAKE_TOOL, toolPath());
    SetMuiContext(&m_context);
}

FakeToolFolder::~FakeToolFolder()
{
    SetMuiContext(nullptr);
}

QString FakeToolFolder::path() const
{
    return m_dir.path() + "/";
}

QString FakeToolFolder::toolPath() const
{
    return path() + "pdf2swf" + platform::executableSuffix;
}

void FakeToolFolder::setScript(const QStringList& lines)
{
    QFile file(path() + "faketool.script");
    if (file.open(QIODevice::WriteOnly))
        file.write((lines.join('\n') + '\n').toUtf8());
}

void FakeToolFolder::setScript(int run, const QStringList& lines)
{
    QFile file(path() + "faketool.script." + QString::number(run));
    if (file.open(QIODevice::WriteOnly))
        file.write((lines.join('\n') + '\n').toUtf8());
}

std::vector<FakeToolRun> FakeToolFolder::runs() const
{
    std::vector<FakeToolRun> result;
    QFile file(path() + "faketool.runs");
    if (!file.open(QIODevice::ReadOnly))
        return result;
    QList<QByteArray> records = file.readAll().split('\x1e');
    records.removeLast(); // a record still being written has no separator yet
    for (const QByteArray& record : records) {
        const QList<QByteArray> fields = record.split('\x1f');
        FakeToolRun run{static_cast<pid_t>(fields.value(0).toLong()), {}, QString::fromUtf8(fields.value(1))};
        for (qsizetype i = 2; i < fields.size(); ++i)
            run.arguments.append(QString::fromUtf8(fields[i]));
        result.push_back(run);
    }
    return result;
}

bool FakeToolFolder::waitForRun(int run) const
{
    return QTest::qWaitFor([&] { return static_cast<int>(runs().size()) >= run; }, 10000);
}
