#pragma once
// The viewer movie: a bar with first / previous / next / last buttons and a page counter
// "N / M". The converter merges it under the pages: the tags that define characters are
// copied as they stand (the pages take ids above the viewer's), and the frames of the
// viewer's main timeline become the timeline of a clip placed below the page. So the
// viewer's controls act on "_root", the pages' timeline, and its two frames rerun the
// counter script for as long as the clip plays.

#include <cstdint>
#include <vector>

namespace pdf2swf {

class ViewerMovie {
public:
    static constexpr int barWidthPixels = 320;
    static constexpr int barHeightPixels = 32;
    // The text field's variable, filled with "<current> / <total>".
    static constexpr const char* counterVariable = "pageCounter";

    static std::vector<uint8_t> build();
};

} // namespace pdf2swf
