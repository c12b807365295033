#include "uikit/filedialogservices.h"

#include <QFileDialog>

namespace uikit {

QStringList QtOpenFileService::chooseFiles(QWidget* owner, const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileNames(owner, title, QString(), filter);
}

QString QtFolderBrowserService::chooseFolder(QWidget* owner, const QString& title, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(owner, title, startFolder);
}

} // namespace uikit
