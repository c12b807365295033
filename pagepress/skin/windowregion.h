#pragma once
// Window regions from skin bitmaps: every pixel that is not the transparent colour stays
// visible. The run algorithm itself (regionRuns) knows no toolkit; SetBitmapWindow and
// ResetWindow apply its result to a widget as its mask. UI thread only for the widget
// functions; regionRuns is a pure function.

#include <QColor>

#include <cstddef>
#include <cstdint>
#include <vector>

class QImage;
class QRegion;
class QWidget;

namespace skin {

// A rectangle of pixels, right and bottom edges exclusive.
struct RegionRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const RegionRect&, const RegionRect&) = default;
};

// Pixels as 0x00RRGGBB words (the top byte is ignored), rowStride words per row.
struct PixelView {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::size_t rowStride = 0;
};

// One rectangle per horizontal run of non-transparent pixels, one pixel high, top to
// bottom and left to right. The last column never belongs to a run, whatever its colour:
// the skins keep that column transparent, and windows cut from them rely on it.
std::vector<RegionRect> regionRuns(const PixelView& image, std::uint32_t transparentRgb);

// The runs of a QImage (any format) as a region.
QRegion bitmapRegion(const QImage& image, QColor transparent);

// Makes the region of image's non-transparent pixels the widget's mask, and repaints. An
// empty region hides the whole widget (it keeps existing and keeps its geometry).
void SetBitmapWindow(QWidget* widget, const QImage& image, QColor transparent);

// Removes the widget's mask, so the whole rectangle is visible again, and repaints.
void ResetWindow(QWidget* widget);

} // namespace skin
