#pragma once
// Test doubles of the file-dialog, shell and file-system services: each records its calls
// and answers from a script. Install them with their service's Installer.

#include "uikit/filedialogservices.h"
#include "uikit/shellservice.h"

#include <QList>
#include <QSet>
#include <QStringList>

#include <deque>

namespace uikit {

class ScriptedOpenFileService final : public OpenFileService {
public:
    struct Call {
        QWidget* owner;
        QString title;
        QString filter;
    };
    QStringList chooseFiles(QWidget* owner, const QString& title, const QString& filter) override;
    // Each call takes the next queued pick; an empty queue means the user cancelled.
    void queuePick(const QStringList& files) { m_picks.push_back(files); }
    const QList<Call>& calls() const { return m_calls; }

private:
    QList<Call> m_calls;
    std::deque<QStringList> m_picks;
};

class ScriptedFolderBrowserService final : public FolderBrowserService {
public:
    struct Call {
        QWidget* owner;
        QString title;
        QString startFolder;
    };
    QString chooseFolder(QWidget* owner, const QString& title, const QString& startFolder) override;
    void queuePick(const QString& folder) { m_picks.push_back(folder); }
    const QList<Call>& calls() const { return m_calls; }

private:
    QList<Call> m_calls;
    std::deque<QString> m_picks;
};

class ScriptedShellService final : public ShellService {
public:
    bool open(const QString& pathOrLink) override;
    QString documentsFolder() override { return m_documentsFolder; }
    void setResult(bool result) { m_result = result; }
    // Empty at first: the desktop names no documents folder.
    void setDocumentsFolder(const QString& folder) { m_documentsFolder = folder; }
    const QStringList& opened() const { return m_opened; }

private:
    QStringList m_opened;
    QString m_documentsFolder;
    bool m_result = true;
};

// Answers from the real file system unless a path was marked missing.
class ScriptedFileSystemService final : public FileSystemService {
public:
    bool fileExists(const QString& path) override;
    void markMissing(const QString& path) { m_missing.insert(path); }
    const QStringList& asked() const { return m_asked; }

private:
    QSet<QString> m_missing;
    QStringList m_asked;
};

} // namespace uikit
