#include "guiapp.h"
#include "pagepress/skin/windowregion.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <string>
#include <vector>

#include <gtest/gtest.h>

using skin::RegionRect;

namespace {

constexpr std::uint32_t Fuchsia = 0xff00ff;

// '.' is fuchsia, '#' an opaque grey, 'p' a pink one step away from fuchsia.
QImage bitmap(const std::vector<std::string>& rows)
{
    QImage image(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const char c = rows[y][x];
            image.setPixel(x, y, c == '.' ? 0xffff00ff : c == 'p' ? 0xfffe00ff : 0xff808080);
        }
    }
    return image;
}

std::vector<RegionRect> runsOf(const QImage& image)
{
    const skin::PixelView view{reinterpret_cast<const std::uint32_t*>(image.constBits()), image.width(),
                               image.height(), static_cast<std::size_t>(image.bytesPerLine()) / 4};
    return skin::regionRuns(view, Fuchsia);
}

struct RegionCase {
    const char* name;
    std::vector<std::string> rows;
    std::vector<RegionRect> runs;
};

class RegionRuns : public testing::TestWithParam<RegionCase> {};

TEST_P(RegionRuns, MatchThePixelByPixelWalk)
{
    EXPECT_EQ(runsOf(bitmap(GetParam().rows)), GetParam().runs);
}

INSTANTIATE_TEST_SUITE_P(
    Bitmaps, RegionRuns,
    testing::Values(
        // The opaque last pixel is never part of the region.
        RegionCase{"gapAndOpaqueLastPixel", {".##.#"}, {{1, 0, 3, 1}}},
        RegionCase{"fullyOpaqueRowLosesLastColumn", {"#####"}, {{0, 0, 4, 1}}},
        RegionCase{"onePixelWide", {"#", "#", "#"}, {}},
        RegionCase{"allTransparent", {"...", "..."}, {}},
        // Runs are one pixel high and never merged across rows.
        RegionCase{"rowsStayApart", {"##.#.", "##.#."}, {{0, 0, 2, 1}, {3, 0, 4, 1}, {0, 1, 2, 2}, {3, 1, 4, 2}}},
        RegionCase{"runClosedByLastColumnOfLaterRow", {"....", "#.##"}, {{0, 1, 1, 2}, {2, 1, 3, 2}}},
        // Equality is exact: a near-fuchsia pixel is opaque.
        RegionCase{"nearFuchsiaIsOpaque", {".pp.."}, {{1, 0, 3, 1}}},
        RegionCase{"roundedCorners", {".###.", "####.", ".###."}, {{1, 0, 4, 1}, {0, 1, 4, 2}, {1, 2, 4, 3}}}),
    [](const testing::TestParamInfo<RegionCase>& info) { return std::string(info.param.name); });

TEST(RegionRuns, AlphaByteOfPixelsIsIgnored)
{
    const std::uint32_t pixels[] = {0x00ff00ff, 0x12345678, 0x12345678, 0x7fff00ff, 0};
    EXPECT_EQ(skin::regionRuns({pixels, 5, 1, 5}, 0xffff00ff), (std::vector<RegionRect>{{1, 0, 3, 1}}));
}

TEST(SetBitmapWindow, MasksTheWidgetToTheRuns)
{
    guiApp();
    QWidget widget;
    widget.resize(5, 3);
    skin::SetBitmapWindow(&widget, bitmap({".###.", "####.", ".###."}), QColor(255, 0, 255));
    QRegion expected;
    expected += QRect(1, 0, 3, 1);
    expected += QRect(0, 1, 4, 1);
    expected += QRect(1, 2, 3, 1);
    EXPECT_TRUE(sameArea(widget.mask(), expected));

    skin::ResetWindow(&widget);
    EXPECT_TRUE(widget.mask().isEmpty());
}

TEST(SetBitmapWindow, EmptyRegionHidesTheWholeWidget)
{
    guiApp();
    for (const auto& rows : {std::vector<std::string>{"#", "#"}, std::vector<std::string>{"...", "..."}}) {
        QWidget widget;
        widget.resize(3, 2);
        skin::SetBitmapWindow(&widget, bitmap(rows), QColor(255, 0, 255));
        // Qt takes an empty mask for "no mask"; what is set must still show nothing.
        EXPECT_FALSE(widget.mask().isEmpty());
        EXPECT_TRUE(widget.mask().intersected(widget.rect()).isEmpty());
        EXPECT_EQ(widget.size(), QSize(3, 2));
    }
}

} // namespace
