#pragma once
// Opening files, folders and web links with the desktop's handlers, and asking whether a
// file exists, behind replaceable services. UI thread only.

#include "uikit/replaceableservice.h"

#include <QString>

namespace uikit {

class ShellService {
public:
    virtual ~ShellService() = default;
    // Opens a local path (file or folder) or a web link; false when nothing could open it.
    virtual bool open(const QString& pathOrLink) = 0;
    // The user's documents folder, or the empty text when the desktop names none.
    virtual QString documentsFolder() = 0;
};

class FileSystemService {
public:
    virtual ~FileSystemService() = default;
    virtual bool fileExists(const QString& path) = 0;
};

class QtShellService final : public ShellService {
public:
    bool open(const QString& pathOrLink) override;
    QString documentsFolder() override;
};

class QtFileSystemService final : public FileSystemService {
public:
    bool fileExists(const QString& path) override;
};

using Shell = ReplaceableService<ShellService, QtShellService>;
using FileSystem = ReplaceableService<FileSystemService, QtFileSystemService>;

} // namespace uikit
