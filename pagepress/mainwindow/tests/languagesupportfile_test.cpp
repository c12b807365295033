#include "pagepress/mainwindow/languagesupportfile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(LanguageSupportFile, FirstStartWritesTheSevenLinesByteForByte)
{
    QTemporaryDir root;
    // Blanks and non-ASCII letters in the folder must pass through unchanged.
    const QString exeDir = root.path() + "/Prog ramm \u00e9\u4e2d/";
    ASSERT_TRUE(QDir().mkpath(exeDir + "RC2"));

    EXPECT_TRUE(WriteLanguageSupportFile(exeDir));
    const QByteArray f = exeDir.toUtf8();
    const QByteArray expected = "cidToUnicode\tAdobe-GB1\t\"" + f + "RC2/Adobe-GB1.cidToUnicode\"\n"
                                "unicodeMap  ISO-2022-CN    \"" + f + "RC2/ISO-2022-CN.unicodeMap\"\n"
                                "unicodeMap\tEUC-CN\t\t\"" + f + "RC2/EUC-CN.unicodeMap\"\n"
                                "unicodeMap\tGBK\t\t\"" + f + "RC2/GBK.unicodeMap\"\n"
                                "cMapDir    Adobe-GB1   \"" + f + "RC2/CMap\"\n"
                                "toUnicodeDir   \"" + f + "RC2/CMap\"\n"
                                "displayCIDFontTT   Adobe-GB1   \"" + f + "RC2/CMap/Gbsn00lp.ttf\"\n" +
                                QByteArray(1, '\0');
    const QByteArray written = readAll(exeDir + "RC2/add-to-xpdfrc");
    EXPECT_EQ(written, expected);
    EXPECT_EQ(written.back(), '\0');
    EXPECT_EQ(written.count('\n'), 7);
}

TEST(LanguageSupportFile, ExistingFileIsNeverRewritten)
{
    QTemporaryDir root;
    const QString exeDir = root.path() + "/";
    ASSERT_TRUE(QDir().mkpath(exeDir + "RC2"));
    const QString path = exeDir + "RC2/add-to-xpdfrc";
    ASSERT_TRUE(WriteLanguageSupportFile(exeDir));
    const QDateTime firstWrite = QFileInfo(path).lastModified();
    QThread::msleep(20);

    EXPECT_FALSE(WriteLanguageSupportFile(exeDir));
    EXPECT_EQ(QFileInfo(path).lastModified(), firstWrite);

    // A moved installation keeps the file with the old paths, whatever it holds.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("old paths");
    file.close();
    EXPECT_FALSE(WriteLanguageSupportFile(exeDir));
    EXPECT_EQ(readAll(path), "old paths");
}

TEST(LanguageSupportFile, NoRc2FolderMeansNoFile)
{
    QTemporaryDir root;
    const QString exeDir = root.path() + "/";
    EXPECT_FALSE(WriteLanguageSupportFile(exeDir));
    EXPECT_FALSE(QFileInfo::exists(exeDir + "RC2"));
    EXPECT_FALSE(QFileInfo::exists(exeDir + "RC2/add-to-xpdfrc"));
}

} // namespace
