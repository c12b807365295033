// Page-selection texts: number reading, splitting, parsing, normalising, building ranges.

#include "pagepress/documents/pageranges.h"
#include "pagepress/documents/pageranges_p.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadNumber, AcceptsDecimalAndHexadecimalForms)
{
    const struct {
        const char16_t *text;
        int32_t value;
    } cases[] = {
        {u"7", 7}, {u"007", 7}, {u"+7", 7}, {u"-7", -7}, {u"   12", 12},
        {u"$1F", 31}, {u"$1f", 31}, {u"x10", 16}, {u"X10", 16}, {u"0x10", 16}, {u"0X10", 16},
        {u"  $A", 10}, {u"0", 0},
        {u"2147483647", 2147483647}, {u"-2147483648", -2147483647 - 1}, {u"$7FFFFFFF", 2147483647},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pageranges::readNumber(QString::fromUtf16(c.text)), c.value) << QString::fromUtf16(c.text).toStdString();
}

TEST(ReadNumber, ReadsAnythingElseAsZero)
{
    const char16_t *cases[] = {
        u"", u" ", u"+", u"-", u"$", u"x", u"0x", u"12 ", u"1 2", u"12a", u"a12", u"\t5", u"5\t",
        u"1.5", u"1e3", u"$G", u"0x1G", u"-$A", u"+x1", u"$-1", u"--1",
        u"\uff15",                                  // a full-width digit is no digit
        u"2147483648", u"-2147483649", u"$80000000", u"$FFFFFFFF", u"99999999999999999999",
    };
    for (const char16_t *text : cases)
        EXPECT_EQ(pageranges::readNumber(QString::fromUtf16(text)), 0) << QString::fromUtf16(text).toStdString();
}

TEST(TrimControls, DropsBlanksAndControlCharactersOnlyAtTheEnds)
{
    EXPECT_EQ(pageranges::trimControls(QStringLiteral(" \t\r\n1 - 2\x01 ")), QStringLiteral("1 - 2"));
    EXPECT_EQ(pageranges::trimControls(QStringLiteral(" \t ")), QString());
    // A no-break space is above U+0020 and stays.
    EXPECT_EQ(pageranges::trimControls(QString::fromUtf16(u"\u00a05 ")), QString::fromUtf16(u"\u00a05"));
}

TEST(SplitText, DropsEmptyPiecesAndKeepsBlanks)
{
    const struct {
        QString text, separator;
        QStringList pieces;
    } cases[] = {
        {"a,,b,", ",", {"a", "b"}},
        {",a", ",", {"a"}},
        {"", ",", {}},
        {",,,", ",", {}},
        {" a , b ", ",", {" a ", " b "}},
        {"a,b", "", {}},
        {"", "", {}},
        {"1--3", "-", {"1", "3"}},
        {"a<>b<>c", "<>", {"a", "b", "c"}},
        {"abc", ";", {"abc"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SplitText(c.text, c.separator), c.pieces) << c.text.toStdString() << " / " << c.separator.toStdString();
}

TEST(ParsePageRange, ReadsSinglePagesAndRangesAgainstTenPages)
{
    const struct {
        QString text;
        bool valid;
        int32_t first, last;
    } cases[] = {
        {"5", true, 5, 5},
        {"1", true, 1, 1},
        {"10", true, 10, 10},
        {"0", false, 0, 0},
        {"11", false, 11, 11},
        {"3-7", true, 3, 7},
        {"0-4", true, 1, 4},
        {"8-20", true, 8, 10},
        {"12-20", false, 12, 10},
        {"7-3", false, 7, 3},
        {"-4", true, 4, 4},
        {"4-", true, 4, 4},
        {" 2-5", true, 2, 5},
        {"2 - 5", true, 1, 5},  // "2 " reads as 0 and is raised to 1
        {"5-5", true, 5, 5},
        {"$3-0xA", true, 3, 10},
        {"x", false, 0, 0},
        {"+3--+4", true, 3, 4},
        {"2147483647-2147483648", false, 2147483647, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        int32_t first = -99;
        int32_t last = -99;
        EXPECT_EQ(ParsePageRange(c.text, 10, first, last), c.valid);
        EXPECT_EQ(first, c.first);
        EXPECT_EQ(last, c.last);
    }
}

TEST(ParsePageRange, LeavesFirstAndLastAloneWithoutOneOrTwoPieces)
{
    for (const QString text : {"", "-", "--", "1-2-3", "1-2-3-4"}) {
        SCOPED_TRACE(text.toStdString());
        int32_t first = -99;
        int32_t last = -98;
        EXPECT_FALSE(ParsePageRange(text, 10, first, last));
        EXPECT_EQ(first, -99);
        EXPECT_EQ(last, -98);
    }
}

TEST(ParsePageRange, NothingIsValidWithoutPages)
{
    int32_t first = 0, last = 0;
    EXPECT_FALSE(ParsePageRange("1", 0, first, last));
    EXPECT_FALSE(ParsePageRange("1-5", 0, first, last));
}

TEST(NormalizePageRanges, RewritesTheTextInItsCleanForm)
{
    const struct {
        QString text;
        int32_t pageCount;
        QString result;
    } cases[] = {
        {" 3 , 5-7,,x, 9-2 ", 10, "3,5-7"},
        {"0", 10, ""},
        {"1-3,1-3", 10, "1-3,1-3"},
        {"7,2", 10, "7,2"},
        {"0-4,8-20", 10, "1-4,8-10"},
        {"4-4", 10, "4"},
        {"-4,6-", 10, "4,6"},
        {"\t2\t,\n3", 10, "2,3"},
        {"$A,0x2-x3", 16, "10,2-3"},
        {"", 10, ""},
        {",,,", 10, ""},
        {"1-3", 0, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        QString text = c.text;
        EXPECT_EQ(NormalizePageRanges(text, c.pageCount), !c.result.isEmpty());
        EXPECT_EQ(text, c.result);
    }
}

TItemInfo record(int32_t pageMode, int32_t pageCount, const QString &pageRange = {}, int32_t currentPage = 1)
{
    TItemInfo info;
    info.pageMode = pageMode;
    info.pageCount = pageCount;
    info.pageRange = pageRange;
    info.currentPage = currentPage;
    return info;
}

TEST(PagesText, FollowsThePageMode)
{
    const struct {
        TItemInfo record;
        QString text;
    } cases[] = {
        {record(0, 12), "1-12"},
        {record(0, 1), "1-1"},
        {record(1, 12, "2-3", 7), "7"},
        {record(1, 12, "2-3", 0), "0"},
        {record(2, 12, " 2-3 ,x"), " 2-3 ,x"},
        {record(3, 12, "2-3"), ""},
        {record(-1, 12, "2-3"), ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PagesText(c.record), c.text) << "mode " << c.record.pageMode;
}

TEST(BuildRangeList, TurnsThePageSelectionIntoRangesAndATotal)
{
    const struct {
        const char *name;
        TItemInfo record;
        std::vector<RangePair> ranges;
        uint32_t total;
    } cases[] = {
        {"overlaps kept and counted twice", record(2, 10, "1-5,3-7"), {{1, 5}, {3, 7}}, 10},
        {"exact duplicate dropped", record(2, 10, "2,2"), {{2, 2}}, 1},
        {"duplicate in another spelling", record(2, 10, "2-4, 2-4 ,0-4,1-4"), {{2, 4}, {1, 4}}, 7},
        {"all pages", record(0, 12), {{1, 12}}, 12},
        {"current page", record(1, 12, "", 5), {{5, 5}}, 1},
        {"no current page", record(1, 12, "", 0), {}, 0},
        {"current page past the end", record(1, 12, "", 13), {}, 0},
        {"clamped and unreadable pieces", record(2, 10, "8-20,x,,0"), {{8, 10}}, 3},
        {"unknown page mode", record(5, 10, "1-3"), {}, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<RangePair> ranges;
        EXPECT_EQ(BuildRangeList(c.record, ranges), c.total);
        EXPECT_EQ(ranges, c.ranges);
    }
}

TEST(BuildRangeList, AppendsToRangesAlreadyThere)
{
    std::vector<RangePair> ranges{{1, 2}};
    EXPECT_EQ(BuildRangeList(record(2, 10, "1-2,3"), ranges), 1u);
    EXPECT_EQ(ranges, (std::vector<RangePair>{{1, 2}, {3, 3}}));
}

} // namespace
