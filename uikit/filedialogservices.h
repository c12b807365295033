#pragma once
// The open-file chooser and the folder browser behind replaceable services, so that
// tests can script what the user picks. UI thread only.

#include "uikit/replaceableservice.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace uikit {

class OpenFileService {
public:
    virtual ~OpenFileService() = default;
    // The files the user picked (several allowed), or an empty list when cancelled.
    // filter is in Qt's form, e.g. "PDF Files (*.pdf)".
    virtual QStringList chooseFiles(QWidget* owner, const QString& title, const QString& filter) = 0;
};

class FolderBrowserService {
public:
    virtual ~FolderBrowserService() = default;
    // The folder the user picked, or an empty text when cancelled.
    virtual QString chooseFolder(QWidget* owner, const QString& title, const QString& startFolder) = 0;
};

class QtOpenFileService final : public OpenFileService {
public:
    QStringList chooseFiles(QWidget* owner, const QString& title, const QString& filter) override;
};

class QtFolderBrowserService final : public FolderBrowserService {
public:
    QString chooseFolder(QWidget* owner, const QString& title, const QString& startFolder) override;
};

using OpenFiles = ReplaceableService<OpenFileService, QtOpenFileService>;
using FolderBrowser = ReplaceableService<FolderBrowserService, QtFolderBrowserService>;

} // namespace uikit
