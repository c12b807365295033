#include "uikit/scriptedservices.h"

namespace uikit {

QStringList ScriptedOpenFileService::chooseFiles(QWidget* owner, const QString& title, const QString& filter)
{
    m_calls.append(Call{owner, title, filter});
    if (m_picks.empty())
        return {};
    QStringList pick = m_picks.front();
    m_picks.pop_front();
    return pick;
}

QString ScriptedFolderBrowserService::chooseFolder(QWidget* owner, const QString& title, const QString& startFolder)
{
    m_calls.append(Call{owner, title, startFolder});
    if (m_picks.empty())
        return {};
    QString pick = m_picks.front();
    m_picks.pop_front();
    return pick;
}

bool ScriptedShellService::open(const QString& pathOrLink)
{
    m_opened.append(pathOrLink);
    return m_result;
}

bool ScriptedFileSystemService::fileExists(const QString& path)
{
    m_asked.append(path);
    return !m_missing.contains(path) && QtFileSystemService().fileExists(path);
}

} // namespace uikit
