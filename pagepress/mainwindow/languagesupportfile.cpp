#include "pagepress/mainwindow/languagesupportfile.h"

#include "pagepress/module/muicontext.h"

#include <fcntl.h>
#include <unistd.h>

namespace {

struct LanguageLine {
    const char* keywordAndWords; // keyword, separators and second word, exactly spaced
    const char* pathTail;        // below the installation folder
};

// The separators (tabs and runs of spaces) are part of the file's expected form.
constexpr LanguageLine Lines[] = {
    {"cidToUnicode\tAdobe-GB1\t", "RC2/Adobe-GB1.cidToUnicode"},
    {"unicodeMap  ISO-2022-CN    ", "RC2/ISO-2022-CN.unicodeMap"},
    {"unicodeMap\tEUC-CN\t\t", "RC2/EUC-CN.unicodeMap"},
    {"unicodeMap\tGBK\t\t", "RC2/GBK.unicodeMap"},
    {"cMapDir    Adobe-GB1   ", "RC2/CMap"},
    {"toUnicodeDir   ", "RC2/CMap"},
    {"displayCIDFontTT   Adobe-GB1   ", "RC2/CMap/Gbsn00lp.ttf"},
};

bool writeAll(int descriptor, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        ssize_t written = ::write(descriptor, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

QByteArray LanguageSupportContent(const QString& exeDir)
{
    QString text;
    for (const LanguageLine& line : Lines)
        text += QString::fromLatin1(line.keywordAndWords) + '"' + exeDir + QString::fromLatin1(line.pathTail) + "\"\n";
    QByteArray bytes = text.toUtf8();
    bytes.append('\0');
    return bytes;
}

bool WriteLanguageSupportFile(const QString& exeDir)
{
    const QByteArray path = (exeDir + "RC2/add-to-xpdfrc").toUtf8();
    // Created exclusively: an existing file, whatever it holds, stays as it is.
    int descriptor = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (descriptor < 0)
        return false;
    const bool written = writeAll(descriptor, LanguageSupportContent(exeDir));
    const bool closed = ::close(descriptor) == 0;
    if (!written || !closed) {
        // A half-written file would never be rewritten, so none is left behind.
        ::unlink(path.constData());
        return false;
    }
    return true;
}

void WriteLanguageSupportFile()
{
    if (const MuiContext* context = GetMuiContext())
        WriteLanguageSupportFile(context->ExeDir);
}
