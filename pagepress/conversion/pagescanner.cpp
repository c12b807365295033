#include "pagepress/conversion/pagescanner.h"

#include <limits>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The decimal number at bytes[start...], or nothing when it does not fit an int: the tool's
// output is not trusted.
std::optional<int> readNumber(const char* bytes, std::size_t start, std::size_t count)
{
    long long value = 0;
    for (std::size_t i = start; i < count && isDigit(bytes[i]); ++i) {
        value = value * 10 + (bytes[i] - '0');
        if (value > std::numeric_limits<int>::max())
            return std::nullopt;
    }
    return static_cast<int>(value);
}

} // namespace

std::optional<int> PageScanner::scan(const char* bytes, std::size_t count)
{
    for (std::size_t i = 0; i + 5 < count; ++i) {
        if (bytes[i] == 'p' && bytes[i + 2] == 'g' && isDigit(bytes[i + 5])) {
            if (const std::optional<int> page = readNumber(bytes, i + 5, count))
                m_currentPage = *page;
        }
    }
    if (m_currentPage == m_lastReportedPage)
        return std::nullopt;
    m_lastReportedPage = m_currentPage;
    return m_currentPage;
}
