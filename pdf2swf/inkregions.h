#pragma once
// Finds the parts of a page picture that hold anything but the paper colour: bands of rows
// with ink, each cropped to the columns its ink spans. Bands closer than a gap are merged, and
// the closest bands are merged further until at most maxRegions remain, so a page turns into
// a few bitmaps that together hold every inked pixel. Stateless.

#include "bitmaptags.h"

#include <vector>

namespace pdf2swf {

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const PixelRect&) const = default;
};

class InkRegions {
public:
    static constexpr int maxRegions = 8;
    static constexpr int mergeGapPixels = 24; // smaller gaps cost more in headers than in pixels

    // paperRgb: 0xRRGGBB; the top byte of the pixels is ignored. Empty when the page is blank.
    static std::vector<PixelRect> find(const swf::PixelView& pixels, uint32_t paperRgb = 0xffffff);
};

} // namespace pdf2swf
