#include "rasterpdf/pagepainter.h"

#include <poppler-image.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace rasterpdf {

namespace {

constexpr uint32_t white = 0xFFFFFFFFu;
constexpr double pointsPerInch = 72.0;

uint32_t *row(const RasterDC &dc, int y)
{
    return reinterpret_cast<uint32_t *>(static_cast<unsigned char *>(dc.bits) + static_cast<ptrdiff_t>(y) * dc.stride);
}

} // namespace

PagePlacement fitPage(double pageWidth, double pageHeight, int areaWidth, int areaHeight)
{
    PagePlacement placement;
    if (!(pageWidth > 0) || !(pageHeight > 0) || areaWidth <= 0 || areaHeight <= 0)
        return placement;
    placement.scale = std::min(areaWidth / pageWidth, areaHeight / pageHeight);
    placement.width = std::clamp(static_cast<int>(std::lround(pageWidth * placement.scale)), 1, areaWidth);
    placement.height = std::clamp(static_cast<int>(std::lround(pageHeight * placement.scale)), 1, areaHeight);
    placement.x = (areaWidth - placement.width) / 2;
    placement.y = (areaHeight - placement.height) / 2;
    return placement;
}

void paintPage(const poppler::page &page, const RasterDC &dc, int areaWidth, int areaHeight)
{
    const int visibleWidth = std::min(areaWidth, dc.width);
    const int visibleHeight = std::min(areaHeight, dc.height);
    if (visibleWidth <= 0 || visibleHeight <= 0)
        return;

    for (int y = 0; y < visibleHeight; ++y)
        std::fill_n(row(dc, y), visibleWidth, white);

    // Poppler renders a page turned by its own /Rotate, so a quarter turn swaps the sides.
    const poppler::rectf box = page.page_rect(poppler::crop_box);
    const bool quarterTurn = page.orientation() == poppler::page::landscape
        || page.orientation() == poppler::page::seascape;
    const double pageWidth = quarterTurn ? box.height() : box.width();
    const double pageHeight = quarterTurn ? box.width() : box.height();
    const PagePlacement placement = fitPage(pageWidth, pageHeight, areaWidth, areaHeight);
    if (placement.scale <= 0)
        return;

    // The slice of the placed page that lies on the surface, in surface pixels.
    const int left = placement.x;
    const int top = placement.y;
    const int right = std::min(placement.x + placement.width, visibleWidth);
    const int bottom = std::min(placement.y + placement.height, visibleHeight);
    if (right <= left || bottom <= top)
        return;

    poppler::page_renderer renderer;
    renderer.set_render_hints(poppler::page_renderer::antialiasing | poppler::page_renderer::text_antialiasing
                              | poppler::page_renderer::text_hinting);
    renderer.set_paper_color(white);
    renderer.set_image_format(poppler::image::format_argb32);
    const double dpi = placement.scale * pointsPerInch;
    poppler::image image = renderer.render_page(&page, dpi, dpi, 0, 0, right - left, bottom - top);
    if (!image.is_valid() || image.format() != poppler::image::format_argb32)
        return;

    const int copyWidth = std::min(image.width(), right - left);
    const int copyHeight = std::min(image.height(), bottom - top);
    const char *source = image.const_data();
    for (int y = 0; y < copyHeight; ++y) {
        const auto *from = reinterpret_cast<const uint32_t *>(source + static_cast<ptrdiff_t>(y) * image.bytes_per_row());
        uint32_t *to = row(dc, top + y) + left;
        // The surface is opaque: keep colour, force alpha.
        for (int x = 0; x < copyWidth; ++x)
            to[x] = from[x] | 0xFF000000u;
    }
}

} // namespace rasterpdf
