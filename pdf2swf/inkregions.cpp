#include "inkregions.h"

#include <algorithm>
#include <iterator>

namespace pdf2swf {

namespace {

struct Band {
    int top = 0;
    int bottom = 0; // exclusive
    int left = 0;
    int right = 0; // exclusive
};

Band merged(const Band& a, const Band& b)
{
    return {std::min(a.top, b.top), std::max(a.bottom, b.bottom), std::min(a.left, b.left), std::max(a.right, b.right)};
}

} // namespace

std::vector<PixelRect> InkRegions::find(const swf::PixelView& pixels, uint32_t paperRgb)
{
    std::vector<Band> bands;
    for (int y = 0; y < pixels.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(pixels.data + static_cast<size_t>(y) * pixels.strideBytes);
        int left = 0;
        while (left < pixels.width && (row[left] & 0xffffffu) == paperRgb)
            ++left;
        if (left == pixels.width)
            continue;
        int right = pixels.width;
        while ((row[right - 1] & 0xffffffu) == paperRgb)
            --right;
        const Band line{y, y + 1, left, right};
        if (!bands.empty() && y - bands.back().bottom < mergeGapPixels)
            bands.back() = merged(bands.back(), line);
        else
            bands.push_back(line);
    }
    // Fewer pieces: join the neighbours with the smallest gap between them.
    while (bands.size() > static_cast<size_t>(maxRegions)) {
        size_t best = 0;
        for (size_t i = 1; i + 1 < bands.size(); ++i)
            if (bands[i + 1].top - bands[i].bottom < bands[best + 1].top - bands[best].bottom)
                best = i;
        bands[best] = merged(bands[best], bands[best + 1]);
        bands.erase(bands.begin() + static_cast<std::ptrdiff_t>(best) + 1);
    }
    std::vector<PixelRect> regions;
    for (const Band& b : bands)
        regions.push_back({b.left, b.top, b.right - b.left, b.bottom - b.top});
    return regions;
}

} // namespace pdf2swf
