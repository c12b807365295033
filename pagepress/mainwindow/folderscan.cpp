#include "pagepress/mainwindow/folderscan.h"

#include <QDir>

QString WithTrailingSeparator(const QString& folder)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QStringList PdfEntriesOfFolder(const QString& folder)
{
    const QString base = WithTrailingSeparator(folder);
    QDir directory(base);
    // QDir matches name filters ignoring case, as the desktop's own wildcard does.
    directory.setNameFilters({QStringLiteral("*.pdf")});
    directory.setFilter(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    directory.setSorting(QDir::Name | QDir::IgnoreCase);

    // Files leaves out directories, links to directories included.
    QStringList paths;
    for (const QString& entry : directory.entryList())
        paths.append(base + entry);
    return paths;
}

std::vector<DropStep> PlanDrop(const QStringList& names,
                               const std::function<bool(const QString&)>& isDirectory)
{
    std::vector<DropStep> steps;
    QStringList pending;
    for (const QString& name : names) {
        if (!isDirectory(name)) {
            pending.append(name);
            continue;
        }
        steps.push_back(DropStep{DropStep::Kind::Files, pending, {}});
        pending.clear();
        steps.push_back(DropStep{DropStep::Kind::Folder, {}, name});
    }
    steps.push_back(DropStep{DropStep::Kind::Files, pending, {}});
    return steps;
}
