#include "pagerange.h"

#include <charconv>

namespace pdf2swf {

namespace {

// A positive decimal number taking the whole of text.
std::optional<int> pageNumber(std::string_view text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < 1)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::vector<PageRange>> parsePageRanges(const std::string& text)
{
    std::vector<PageRange> ranges;
    std::string_view rest(text);
    for (;;) {
        const size_t comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        const size_t dash = item.find('-');
        const auto first = pageNumber(item.substr(0, dash));
        const auto last = dash == std::string_view::npos ? first : pageNumber(item.substr(dash + 1));
        if (!first || !last || *last < *first)
            return std::nullopt;
        ranges.push_back({*first, *last});
        if (comma == std::string_view::npos)
            break;
        rest.remove_prefix(comma + 1);
    }
    return ranges;
}

PageSelection selectPages(const std::vector<PageRange>& ranges, int pageCount)
{
    PageSelection selection;
    for (const PageRange& r : ranges) {
        for (int page = r.first; page <= r.last && page <= pageCount; ++page)
            selection.pages.push_back(page);
        if (r.last > pageCount)
            selection.skipped.push_back({std::max(r.first, pageCount + 1), r.last});
    }
    return selection;
}

std::string rangesText(const std::vector<PageRange>& ranges)
{
    std::string text;
    for (const PageRange& r : ranges) {
        if (!text.empty())
            text += ',';
        text += std::to_string(r.first);
        if (r.last != r.first)
            text += '-' + std::to_string(r.last);
    }
    return text;
}

} // namespace pdf2swf
