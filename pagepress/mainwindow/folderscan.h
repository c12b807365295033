#pragma once
// What adding a folder and dropping files hand to the adding dialog: the folder's own PDF
// entries, and the order in which a drop of files and folders is added. Pure functions over
// the file system; UI thread only because the window calls them, not because they need it.

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The folder with one trailing separator.
QString WithTrailingSeparator(const QString& folder);

// Full paths of the folder's entries named *.pdf (letter case ignored), one level deep,
// directories skipped (also those named *.pdf), hidden files included, sorted by name.
// Empty when the folder has none or cannot be read.
QStringList PdfEntriesOfFolder(const QString& folder);

// One adding run of a drop: a batch of files, or one folder to scan.
struct DropStep {
    enum class Kind { Files, Folder };
    Kind kind = Kind::Files;
    QStringList files; // Kind::Files
    QString folder;    // Kind::Folder
};

// A drop of names in the order the user dropped them: the files before a folder go in one
// batch ahead of that folder, and a last batch (possibly empty) holds the files after the
// last folder. So files A, folder F, file B give [A], F, [B]; only folders end with [].
std::vector<DropStep> PlanDrop(const QStringList& names,
                               const std::function<bool(const QString&)>& isDirectory);
