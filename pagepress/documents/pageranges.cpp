#include "pagepress/documents/pageranges.h"

#include "pagepress/documents/pageranges_p.h"

#include <algorithm>
#include <limits>

namespace pageranges {

namespace {

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

} // namespace

int32_t readNumber(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;

    int base = 10;
    bool negative = false;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    } else if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    if (i == n)
        return 0;
    // Accumulated as a magnitude that may reach 2^31, the size of the most negative value.
    constexpr int64_t limit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    int64_t value = 0;
    for (; i < n; ++i) {
        const int digit = hexDigit(text[i]);
        if (digit < 0 || digit >= base)
            return 0;
        value = value * base + digit;
        if (value > limit)
            return 0;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int32_t>::max() || value < std::numeric_limits<int32_t>::min())
        return 0;
    return static_cast<int32_t>(value);
}

QString trimControls(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= u' ')
        ++begin;
    while (end > begin && text[end - 1].unicode() <= u' ')
        --end;
    return text.mid(begin, end - begin);
}

} // namespace pageranges

using pageranges::readNumber;
using pageranges::trimControls;

QString PagesText(const TItemInfo &record)
{
    switch (record.pageMode) {
    case 0:
        return QStringLiteral("1-%1").arg(record.pageCount);
    case 1:
        return QString::number(record.currentPage);
    case 2:
        return record.pageRange;
    default:
        return QString();
    }
}

QStringList SplitText(const QString &text, const QString &separator)
{
    if (separator.isEmpty())
        return {};
    return text.split(separator, Qt::SkipEmptyParts, Qt::CaseSensitive);
}

bool ParsePageRange(const QString &text, int32_t pageCount, int32_t &first, int32_t &last)
{
    const QStringList pieces = SplitText(text, QStringLiteral("-"));
    if (pieces.size() == 1) {
        first = last = readNumber(pieces[0]);
        return first >= 1 && first <= pageCount;
    }
    if (pieces.size() == 2) {
        first = std::max(readNumber(pieces[0]), 1);
        last = std::min(readNumber(pieces[1]), pageCount);
        return last >= first;
    }
    return false;
}

bool NormalizePageRanges(QString &text, int32_t pageCount)
{
    QString result;
    for (const QString &piece : SplitText(text, QStringLiteral(","))) {
        const QString range = trimControls(piece);
        int32_t first = 0;
        int32_t last = 0;
        if (range.isEmpty() || !ParsePageRange(range, pageCount, first, last))
            continue;
        if (!result.isEmpty())
            result += u',';
        result += first == last ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(last);
    }
    text = result;
    return !text.isEmpty();
}

uint32_t BuildRangeList(const TItemInfo &record, std::vector<RangePair> &ranges)
{
    uint32_t total = 0;
    for (const QString &piece : SplitText(PagesText(record), QStringLiteral(","))) {
        const QString range = trimControls(piece);
        RangePair pair;
        if (range.isEmpty() || !ParsePageRange(range, record.pageCount, pair.first, pair.last))
            continue;
        if (std::find(ranges.begin(), ranges.end(), pair) != ranges.end())
            continue;
        ranges.push_back(pair);
        total += static_cast<uint32_t>(pair.last - pair.first + 1);
    }
    return total;
}
