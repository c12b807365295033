#pragma once
// The converter's language file "add-to-xpdfrc" in the RC2 folder of the installation: xpdf
// configuration lines that name the Chinese (Adobe-GB1) character maps and font by absolute
// paths, written at start when missing. An existing file is never touched.

#include <QByteArray>
#include <QString>

// The file's bytes for the installation folder exeDir (ending with "/"): seven lines in
// UTF-8, each ending with a line feed, followed by one zero byte.
QByteArray LanguageSupportContent(const QString& exeDir);

// Writes <exeDir>RC2/add-to-xpdfrc unless it exists. A missing or read-only RC2 folder is
// silent. Returns true when the file was written now.
bool WriteLanguageSupportFile(const QString& exeDir);

// The same for the running installation (ExeDir of the application context).
void WriteLanguageSupportFile();
