#include "uikit/shellservice.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace uikit {

bool QtShellService::open(const QString& pathOrLink)
{
    const bool isLink = pathOrLink.contains("://") || pathOrLink.startsWith("mailto:");
    return QDesktopServices::openUrl(isLink ? QUrl(pathOrLink) : QUrl::fromLocalFile(pathOrLink));
}

QString QtShellService::documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

bool QtFileSystemService::fileExists(const QString& path)
{
    QFileInfo info(path);
    return info.exists() && info.isFile();
}

} // namespace uikit
