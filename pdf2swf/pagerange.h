#pragma once
// Page selections as the command line gives them ("1-3,5-7", "5-5", "4") and their
// resolution against a document's page count.

#include <optional>
#include <string>
#include <vector>

namespace pdf2swf {

struct PageRange {
    int first = 1; // 1-based, inclusive
    int last = 1;
    bool operator==(const PageRange&) const = default;
};

// Parses a comma list of ranges; a range is "a-b" with 1 <= a <= b, or a single page "a".
// Returns nothing for malformed text.
std::optional<std::vector<PageRange>> parsePageRanges(const std::string& text);

struct PageSelection {
    std::vector<int> pages;          // in the order of the ranges
    std::vector<PageRange> skipped;  // the parts of ranges past the end of the document
};

PageSelection selectPages(const std::vector<PageRange>& ranges, int pageCount);

std::string rangesText(const std::vector<PageRange>& ranges);

} // namespace pdf2swf
