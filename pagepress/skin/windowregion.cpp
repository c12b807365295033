#include "pagepress/skin/windowregion.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

namespace skin {

std::vector<RegionRect> regionRuns(const PixelView& image, std::uint32_t transparentRgb)
{
    std::vector<RegionRect> runs;
    const std::uint32_t key = transparentRgb & 0xffffffu;
    for (int y = 0; y < image.height; ++y) {
        const std::uint32_t* row = image.pixels + static_cast<std::size_t>(y) * image.rowStride;
        bool open = false;
        int start = 0;
        int end = 0;
        for (int x = 0; x < image.width; ++x) {
            if ((row[x] & 0xffffffu) == key || x == image.width - 1) {
                if (open)
                    runs.push_back({start, y, end + 1, y + 1});
                open = false;
            } else if (!open) {
                start = end = x;
                open = true;
            } else {
                ++end;
            }
        }
    }
    return runs;
}

QRegion bitmapRegion(const QImage& image, QColor transparent)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const PixelView view{reinterpret_cast<const std::uint32_t*>(rgb.constBits()), rgb.width(), rgb.height(),
                         static_cast<std::size_t>(rgb.bytesPerLine()) / sizeof(std::uint32_t)};
    QRegion region;
    const auto runs = regionRuns(view, transparent.rgb());
    // QRegion::setRects wants y-x banded rectangles; runs come out in exactly that order.
    std::vector<QRect> rects;
    rects.reserve(runs.size());
    for (const RegionRect& run : runs)
        rects.emplace_back(QPoint(run.left, run.top), QPoint(run.right - 1, run.bottom - 1));
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

void SetBitmapWindow(QWidget* widget, const QImage& image, QColor transparent)
{
    QRegion region = bitmapRegion(image, transparent);
    // Qt reads an empty mask as "no mask"; a pixel outside the widget hides all of it.
    if (region.isEmpty())
        region = QRegion(-1, -1, 1, 1);
    widget->setMask(region);
    widget->update();
}

void ResetWindow(QWidget* widget)
{
    widget->clearMask();
    widget->update();
}

} // namespace skin
