#pragma once
// Picks page numbers out of the converter tool's standard output, one read at a time.
//
// A page text is a "p", a "g" two bytes further and a decimal digit five bytes further, all
// inside the same read (as in "page 12"); the number starts at that digit. Texts split across
// reads are not recognised. The last page text of a read wins, and a read is reported only
// when its page differs from the last one reported; both start at page 1 for a run, so a
// run's first "page 1" is never reported. Plain data, one scanner per tool run.

#include <cstddef>
#include <optional>

class PageScanner {
public:
    // The page to report for one read of count bytes, or nothing.
    std::optional<int> scan(const char* bytes, std::size_t count);

    int currentPage() const { return m_currentPage; }
    int lastReportedPage() const { return m_lastReportedPage; }

private:
    int m_currentPage = 1;
    int m_lastReportedPage = 1;
};
