#pragma once
// A program folder for one test: the fake converter tool linked in as the real tool's name,
// its scripts, and the record of its runs. Published as ExeDir of the application context
// for the folder's life, so the code under test finds the tool the way it does in production.

#include "pagepress/module/muicontext.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/types.h>
#include <vector>

struct FakeToolRun {
    pid_t pid;
    QStringList arguments; // after the program
    QString program;
};

class FakeToolFolder {
public:
    // withTool false: the folder holds no tool at all.
    explicit FakeToolFolder(bool withTool = true);
    ~FakeToolFolder();

    // Ending with "/", as ExeDir does.
    QString path() const;
    QString toolPath() const;
    // Script lines for every run, or for run n (1-based) only.
    void setScript(const QStringList& lines);
    void setScript(int run, const QStringList& lines);

    std::vector<FakeToolRun> runs() const;
    // Waits (serving events) until run n has started; false after a few seconds.
    bool waitForRun(int run) const;

private:
    QTemporaryDir m_dir;
    MuiContext m_context;
};
