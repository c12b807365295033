#include "pagepress/mainwindow/folderscan.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(FolderScan, TakesPdfEntriesOfOneLevelIgnoringCaseAndSkipsFolders)
{
    QTemporaryDir root;
    const QString base = root.path() + "/";
    touch(base + "b.pdf");
    touch(base + "A.PDF");
    touch(base + "c.Pdf");
    touch(base + ".hidden.pdf");
    touch(base + "notes.txt");
    touch(base + "pdf");
    ASSERT_TRUE(QDir().mkpath(base + "folder.pdf"));
    touch(base + "folder.pdf/inner.pdf");
    ASSERT_TRUE(QFile::link(base + "folder.pdf", base + "link.pdf"));

    const QStringList expected = {base + ".hidden.pdf", base + "A.PDF", base + "b.pdf", base + "c.Pdf"};
    EXPECT_EQ(PdfEntriesOfFolder(root.path()), expected);
    EXPECT_EQ(PdfEntriesOfFolder(base), expected) << "a trailing separator is not doubled";
}

TEST(FolderScan, FolderWithoutPdfEntriesOrMissingGivesNothing)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir().mkpath(root.path() + "/only.pdf"));
    EXPECT_TRUE(PdfEntriesOfFolder(root.path()).isEmpty());
    EXPECT_TRUE(PdfEntriesOfFolder(root.path() + "/missing").isEmpty());
}

QString describe(const std::vector<DropStep>& steps)
{
    QStringList parts;
    for (const DropStep& step : steps)
        parts.append(step.kind == DropStep::Kind::Folder ? "F(" + step.folder + ")" : "[" + step.files.join(",") + "]");
    return parts.join(" ");
}

TEST(DropPlan, FilesAroundFoldersAreAddedInTheOrderDropped)
{
    struct Case {
        QStringList names;
        const char* expected;
    };
    const Case cases[] = {
        {{"a", "D", "b"}, "[a] F(D) [b]"},
        {{"a", "b"}, "[a,b]"},
        {{"D"}, "[] F(D) []"},
        {{"D", "E", "a"}, "[] F(D) [] F(E) [a]"},
        {{}, "[]"},
    };
    const auto isDirectory = [](const QString& name) { return name.front().isUpper(); };
    for (const Case& c : cases)
        EXPECT_EQ(describe(PlanDrop(c.names, isDirectory)), c.expected) << c.names.join(",").toStdString();
}

} // namespace
