#pragma once
// Page-selection texts: how a record's pages are shown, how typed ranges are read, cleaned up
// and turned into the ranges the converter is run for. Pure functions, any thread.

#include "pagepress/documents/titeminfo.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// An inclusive range of 1-based page numbers, 1 <= first <= last <= page count.
struct RangePair {
    int32_t first = 0;
    int32_t last = 0;

    friend bool operator==(const RangePair &, const RangePair &) = default;
};

// The record's page selection as text: "1-<pageCount>" for all pages, the current page for
// mode 1, the range text for mode 2, and the empty text for any other mode.
QString PagesText(const TItemInfo &record);

// The non-empty pieces of `text` between occurrences of `separator`, in order, untrimmed.
// An empty separator gives no pieces.
QStringList SplitText(const QString &text, const QString &separator);

// Reads "n" or "a-b" against a page count. One number n sets first = last = n and is valid for
// 1 <= n <= pageCount. Two numbers are clamped to 1 and pageCount and valid when last >= first.
// Anything else is not valid and leaves first and last alone. Hyphens at either end are ignored.
bool ParsePageRange(const QString &text, int32_t pageCount, int32_t &first, int32_t &last);

// Rewrites a comma list of ranges in its clean form: blanks trimmed, pieces that do not parse
// dropped, every range written as "n" or "a-b" with clamped values. Order and duplicates are
// kept. Returns whether anything is left.
bool NormalizePageRanges(QString &text, int32_t pageCount);

// Appends the record's ranges to `ranges`, skipping pieces that do not parse and ranges that are
// already there, and returns the number of pages the appended ranges hold (overlaps count twice).
uint32_t BuildRangeList(const TItemInfo &record, std::vector<RangePair> &ranges);
