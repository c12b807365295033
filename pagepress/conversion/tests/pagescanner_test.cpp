#include "pagepress/conversion/pagescanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ScanCase {
    const char* name;
    std::vector<std::string> reads;
    std::vector<int> reports;
};

std::vector<int> scanAll(const std::vector<std::string>& reads)
{
    PageScanner scanner;
    std::vector<int> reports;
    for (const std::string& read : reads) {
        if (const std::optional<int> page = scanner.scan(read.data(), read.size()))
            reports.push_back(*page);
    }
    return reports;
}

TEST(PageScanner, ReportsPageChangesOncePerRead)
{
    const ScanCase cases[] = {
        {"first page 1 is where every run starts", {"page 1\n", "page 2\n", "page 3\n", "page 4\n", "page 5\n"}, {2, 3, 4, 5}},
        {"a later first range reports its first page", {"page 5\n", "page 6\n"}, {5, 6}},
        {"several lines in one read count once", {"page 2\npage 3\npage 4\n"}, {4}},
        {"an unchanged page is not repeated", {"page 3\n", "page 3 done\n"}, {3}},
        {"going back is a change too", {"page 4\n", "page 1\n"}, {4, 1}},
        {"number ends at the first non-digit", {"[page 12 of 30]"}, {12}},
        {"any p, g two on and digit five on counts", {"pXgYY7"}, {7}},
        {"no digit five bytes after the p", {"page  8\n", "paging 9\n", "page x\n"}, {}},
        {"text split across reads is not seen", {"pa", "ge 7\n"}, {}},
        {"digit in the next read is outside the match", {"page ", "7\n"}, {}},
        {"a number too large for the counter is ignored", {"page 3\n", "page 99999999999\n"}, {3}},
        {"reads without page text report nothing", {"Loading fonts\n", "", "done\n"}, {}},
    };
    for (const ScanCase& c : cases)
        EXPECT_EQ(scanAll(c.reads), c.reports) << c.name;
}

TEST(PageScanner, IgnoresBytesPastTheCount)
{
    // The scan must stay inside the bytes read, whatever the buffer holds after them.
    const std::string buffer = "page 9\n";
    PageScanner scanner;
    EXPECT_EQ(scanner.scan(buffer.data(), 5), std::nullopt);
    EXPECT_EQ(scanner.scan(buffer.data(), 6), 9);
}

} // namespace
