// Drawing pages into a caller's pixel surface: placement, clipping, and the calls that must
// leave the surface alone.

#include "rasterpdf/rasterpdf.h"
#include "testfiles.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t sentinel = 0xFF123456u;
constexpr uint32_t white = 0xFFFFFFFFu;

// A caller's surface, pre-filled with a colour the engine never draws.
struct Surface {
    Surface(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h, sentinel) {}
    RasterDC dc() { return RasterDC{pixels.data(), width, height, width * 4}; }
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }

    int width;
    int height;
    std::vector<uint32_t> pixels;
};

bool isDark(uint32_t pixel)
{
    return (pixel & 0xFF) < 0x40 && ((pixel >> 8) & 0xFF) < 0x40 && ((pixel >> 16) & 0xFF) < 0x40;
}

class OpenedPdf {
public:
    explicit OpenedPdf(const std::filesystem::path &path) : m_handle(OpenPDF(path.c_str(), 0)) {}
    ~OpenedPdf() { ClosePDF(m_handle); }
    int32_t handle() const { return m_handle; }

private:
    int32_t m_handle;
};

// A page filled black shows exactly where the page lands: black inside, white letterbox
// around it within the area, the caller's pixels untouched outside the area. One pixel at each
// edge of the page is left out for antialiasing.
TEST(RasterPdfRender, FitsPageIntoAreaCentredOnWhite)
{
    const struct {
        const char *name;
        int pageWidth, pageHeight, rotate;
        int areaWidth, areaHeight;
        int pageLeft, pageTop, pageRight, pageBottom; // expected, in pixels
    } cases[] = {
        {"wide page", 200, 100, 0, 100, 100, 0, 25, 100, 75},
        {"wide page turned a quarter", 200, 100, 90, 100, 100, 25, 0, 75, 100},
        {"wide page turned three quarters", 200, 100, 270, 100, 100, 25, 0, 75, 100},
        {"tall page in a wide area", 100, 200, 0, 120, 60, 45, 0, 75, 60},
        {"square page at the preview size", 300, 300, 0, 168, 194, 0, 13, 168, 181},
    };
    testfiles::TempDir dir;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = dir.file("black.pdf");
        testfiles::writeFile(path, testfiles::blackPagePdf(c.pageWidth, c.pageHeight, c.rotate));
        OpenedPdf pdf(path);
        ASSERT_GE(pdf.handle(), 1);

        // The surface is larger than the area, so drawing outside the area shows.
        Surface surface(c.areaWidth + 10, c.areaHeight + 10);
        const RasterDC dc = surface.dc();
        RenderDC(&dc, pdf.handle(), 1, 40, 0, 0, c.areaWidth, c.areaHeight);

        int wrong = 0;
        for (int y = 0; y < surface.height; ++y) {
            for (int x = 0; x < surface.width; ++x) {
                const uint32_t pixel = surface.at(x, y);
                const bool inArea = x < c.areaWidth && y < c.areaHeight;
                const bool inPage = x >= c.pageLeft + 1 && x < c.pageRight - 1 && y >= c.pageTop + 1 && y < c.pageBottom - 1;
                const bool outsidePage = x < c.pageLeft - 1 || x > c.pageRight || y < c.pageTop - 1 || y > c.pageBottom;
                bool ok = true;
                if (!inArea)
                    ok = pixel == sentinel;
                else if (inPage)
                    ok = isDark(pixel);
                else if (outsidePage)
                    ok = pixel == white;
                else
                    ok = pixel != sentinel;
                if (!ok && wrong++ < 5)
                    ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << pixel;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

TEST(RasterPdfRender, DrawsFixturePageInsideTheAreaOnly)
{
    OpenedPdf pdf(testfiles::fixturesDir() / "refcard-a4.pdf");
    ASSERT_GE(pdf.handle(), 1);
    Surface surface(200, 220);
    const RasterDC dc = surface.dc();
    RenderDC(&dc, pdf.handle(), 1, 40, 0, 0, 168, 194);

    int untouchedInArea = 0, touchedOutside = 0, ink = 0;
    for (int y = 0; y < surface.height; ++y) {
        for (int x = 0; x < surface.width; ++x) {
            const uint32_t pixel = surface.at(x, y);
            const bool inArea = x < 168 && y < 194;
            untouchedInArea += inArea && pixel == sentinel;
            touchedOutside += !inArea && pixel != sentinel;
            ink += inArea && pixel != white && pixel != sentinel;
            EXPECT_EQ(pixel >> 24, 0xFFu) << "pixels are opaque";
        }
    }
    EXPECT_EQ(untouchedInArea, 0);
    EXPECT_EQ(touchedOutside, 0);
    EXPECT_GT(ink, 100) << "the page's text did not show";
}

TEST(RasterPdfRender, AreaLargerThanSurfaceIsClipped)
{
    testfiles::TempDir dir;
    testfiles::writeFile(dir.file("black.pdf"), testfiles::blackPagePdf(100, 100, 0));
    OpenedPdf pdf(dir.file("black.pdf"));
    ASSERT_GE(pdf.handle(), 1);
    // The guard row below the surface must survive an area far larger than the surface.
    std::vector<uint32_t> pixels(40 * 41, sentinel);
    const RasterDC dc{pixels.data(), 40, 40, 40 * 4};
    RenderDC(&dc, pdf.handle(), 1, 40, 0, 0, 100000, 100000);
    for (int x = 0; x < 40; ++x)
        EXPECT_EQ(pixels[40 * 40 + x], sentinel);
    EXPECT_TRUE(isDark(pixels[0]));
    EXPECT_TRUE(isDark(pixels[40 * 40 - 1]));

    // In a very wide area the page lands far to the right: the surface shows only letterbox.
    RenderDC(&dc, pdf.handle(), 1, 40, 0, 0, 100000, 40);
    EXPECT_EQ(std::count(pixels.begin(), pixels.begin() + 40 * 40, white), 40 * 40);
}

TEST(RasterPdfRender, HonoursStrideLargerThanRow)
{
    testfiles::TempDir dir;
    testfiles::writeFile(dir.file("black.pdf"), testfiles::blackPagePdf(100, 100, 0));
    OpenedPdf pdf(dir.file("black.pdf"));
    Surface surface(30, 20); // used as a 20 x 20 surface with 10 spare words per row
    RasterDC dc{surface.pixels.data(), 20, 20, 30 * 4};
    RenderDC(&dc, pdf.handle(), 1, 40, 0, 0, 20, 20);
    for (int y = 0; y < 20; ++y) {
        EXPECT_TRUE(isDark(surface.at(10, y)));
        EXPECT_EQ(surface.at(25, y), sentinel);
    }
}

TEST(RasterPdfRender, DrawsNothingForCallsWithoutAPage)
{
    OpenedPdf pdf(testfiles::fixturesDir() / "refcard-a4.pdf");
    ASSERT_GE(pdf.handle(), 1);
    const int32_t closed = OpenPDF((testfiles::fixturesDir() / "TeXoutline.pdf").c_str(), 0);
    ClosePDF(closed);

    Surface surface(50, 50);
    const RasterDC dc = surface.dc();
    const RasterDC noBits{nullptr, 50, 50, 200};
    const RasterDC shortStride{surface.pixels.data(), 50, 50, 100};
    const struct {
        const char *name;
        const RasterDC *dc;
        int32_t handle, page, width, height;
    } cases[] = {
        {"handle 0", &dc, 0, 1, 50, 50},
        {"negative handle", &dc, -1, 1, 50, 50},
        {"handle never given", &dc, 999999, 1, 50, 50},
        {"closed handle", &dc, closed, 1, 50, 50},
        {"page 0", &dc, pdf.handle(), 0, 50, 50},
        {"negative page", &dc, pdf.handle(), -1, 50, 50},
        {"page past the end", &dc, pdf.handle(), 4, 50, 50},
        {"no surface", nullptr, pdf.handle(), 1, 50, 50},
        {"surface without pixels", &noBits, pdf.handle(), 1, 50, 50},
        {"stride shorter than a row", &shortStride, pdf.handle(), 1, 50, 50},
        {"empty area", &dc, pdf.handle(), 1, 0, 50},
        {"negative area", &dc, pdf.handle(), 1, 50, -3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        RenderDC(c.dc, c.handle, c.page, 40, 0, 0, c.width, c.height);
        EXPECT_EQ(std::count(surface.pixels.begin(), surface.pixels.end(), sentinel), 50 * 50);
    }
    RenderDC(&dc, pdf.handle(), 3, 40, 0, 0, 50, 50);
    EXPECT_EQ(std::count(surface.pixels.begin(), surface.pixels.end(), sentinel), 0) << "the last page draws";
}

} // namespace
