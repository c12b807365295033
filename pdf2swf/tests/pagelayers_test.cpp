// The parts of a page in vector-text mode: the inked areas of its picture, the outlines the
// player may fill by the even-odd rule, the fonts defined part by part, and the static texts
// laid out from the glyphs.
#include "glyphoutliner.h"
#include "inkregions.h"
#include "moviefonts.h"
#include "pagetextlayout.h"

#include "bytesink.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pdf2swf {

void PrintTo(const PixelRect& r, std::ostream* os)
{
    *os << r.x << "," << r.y << " " << r.width << "x" << r.height;
}

} // namespace pdf2swf

namespace {

using pdf2swf::InkRegions;
using pdf2swf::PixelRect;

struct Picture {
    int width;
    int height;
    std::vector<uint32_t> pixels;
    Picture(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h, 0xffffffffu) {}
    void fill(int x, int y, int w, int h, uint32_t color)
    {
        for (int yy = y; yy < y + h; ++yy)
            for (int xx = x; xx < x + w; ++xx)
                pixels[static_cast<size_t>(yy) * width + xx] = color;
    }
    swf::PixelView view() const { return {reinterpret_cast<const uint8_t*>(pixels.data()), width, height, width * 4}; }
};


TEST(InkRegions, BandsCroppedToTheirInkAndNothingForABlankPage)
{
    Picture page(300, 400);
    EXPECT_TRUE(InkRegions::find(page.view()).empty());
    // White with another top byte is still paper.
    page.fill(0, 0, 300, 400, 0x00ffffffu);
    EXPECT_TRUE(InkRegions::find(page.view()).empty());

    page.fill(10, 20, 5, 5, 0xff000000u);   // a mark
    page.fill(250, 30, 1, 1, 0xff808080u);  // a grey pixel in the same band
    page.fill(100, 200, 50, 10, 0xffff0000u); // far below: a band of its own
    page.fill(299, 399, 1, 1, 0xff000001u);   // the last pixel, nearly white
    const std::vector<PixelRect> regions = InkRegions::find(page.view());
    ASSERT_EQ(regions.size(), 3u);
    EXPECT_EQ(regions[0], (PixelRect{10, 20, 241, 11}));
    EXPECT_EQ(regions[1], (PixelRect{100, 200, 50, 10}));
    EXPECT_EQ(regions[2], (PixelRect{299, 399, 1, 1}));
}

TEST(InkRegions, NearBandsJoinAndManyBandsAreMergedWhereTheyAreClosest)
{
    Picture page(100, 2000);
    page.fill(0, 0, 10, 10, 0xff000000u);
    page.fill(50, 10 + InkRegions::mergeGapPixels - 1, 10, 10, 0xff000000u); // joins the first
    for (int i = 0; i < 12; ++i)
        page.fill(20, 200 + i * 150 + (i == 5 ? -40 : 0), 10, 10, 0xff000000u);
    const std::vector<PixelRect> regions = InkRegions::find(page.view());
    ASSERT_EQ(regions.size(), static_cast<size_t>(InkRegions::maxRegions));
    EXPECT_EQ(regions[0], (PixelRect{0, 0, 60, 10 + InkRegions::mergeGapPixels - 1 + 10}));
    // Every inked pixel lies in some region.
    for (int y = 0; y < page.height; ++y)
        for (int x = 0; x < page.width; ++x) {
            if (page.pixels[static_cast<size_t>(y) * page.width + x] == 0xffffffffu)
                continue;
            bool covered = false;
            for (const PixelRect& r : regions)
                covered |= x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height;
            ASSERT_TRUE(covered) << x << "," << y;
        }
}

using Polygons = pdf2swf::GlyphOutliner::Polygons;

Polygons square(double x, double y, double size, bool clockwise)
{
    std::vector<std::pair<double, double>> p = {{x, y}, {x + size, y}, {x + size, y + size}, {x, y + size}};
    if (!clockwise)
        std::reverse(p.begin(), p.end());
    return {p};
}

Polygons both(Polygons a, const Polygons& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(GlyphOutliner, OnlyOutlinesThatFillAlikeUnderBothRulesAreTaken)
{
    struct Case {
        const char* what;
        Polygons polygons;
        bool alike;
    } cases[] = {
        {"one square", square(0, 0, 100, true), true},
        {"two squares apart", both(square(0, 0, 100, true), square(200, 0, 100, false)), true},
        {"a square with a hole turning the other way", both(square(0, 0, 100, true), square(25, 25, 50, false)), true},
        {"a square inside one turning the same way", both(square(0, 0, 100, true), square(25, 25, 50, true)), false},
        {"overlapping squares", both(square(0, 0, 100, true), square(50, 50, 100, true)), false},
        {"crossing strokes", both(Polygons{{{0, 40}, {100, 40}, {100, 60}, {0, 60}}}, Polygons{{{40, 0}, {60, 0}, {60, 100}, {40, 100}}}), false},
        {"boxes that meet, contours that do not",
         both(Polygons{{{0, 0}, {100, 0}, {0, 100}}}, Polygons{{{100, 20}, {100, 100}, {20, 100}}}), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pdf2swf::GlyphOutliner::fillsAlike(c.polygons), c.alike) << c.what;
}

// Glyphs as a renderer would hand them out: each its own outline of a font.
struct Glyphs {
    std::shared_ptr<pdf2swf::TextFont> font = std::make_shared<pdf2swf::TextFont>();
    std::map<uint32_t, std::shared_ptr<pdf2swf::GlyphOutline>> outlines;

    pdf2swf::PageGlyph glyph(uint32_t code, double x, double y, double em = 10)
    {
        auto& outline = outlines[code];
        if (!outline) {
            outline = std::make_shared<pdf2swf::GlyphOutline>();
            outline->code = code;
            outline->unicode = code;
            outline->shape = {0x10, 0x00};
            outline->bounds = {0, 512, -700, 0};
        }
        pdf2swf::PageGlyph g;
        g.font = font;
        g.outline = outline;
        g.x = x;
        g.y = y;
        g.emPixels = em;
        return g;
    }
};

TEST(MovieFonts, APageDefinesOnlyTheGlyphsNoEarlierPageDid)
{
    Glyphs glyphs;
    glyphs.font->name = "Serif";
    pdf2swf::MovieFonts fonts;
    uint16_t nextId = 10;
    auto takeId = [&] { return nextId++; };

    pdf2swf::PageText first;
    for (uint32_t code : {'b', 'a', 'b'})
        first.glyphs.push_back(glyphs.glyph(code, 0, 0));
    swf::ByteSink tags;
    fonts.define(first, takeId, tags);
    EXPECT_EQ(nextId, 11);
    EXPECT_EQ(fonts.glyphCount(), 2u);
    // Sorted by code: a, b.
    EXPECT_EQ(fonts.slot(glyphs.font->key, 'a').index, 0);
    EXPECT_EQ(fonts.slot(glyphs.font->key, 'b').index, 1);
    EXPECT_EQ(fonts.slot(glyphs.font->key, 'b').fontId, 10);

    pdf2swf::PageText second;
    for (uint32_t code : {'a', 'c'})
        second.glyphs.push_back(glyphs.glyph(code, 0, 0));
    const size_t before = tags.size();
    fonts.define(second, takeId, tags);
    EXPECT_GT(tags.size(), before);
    EXPECT_EQ(fonts.slot(glyphs.font->key, 'a').fontId, 10);
    EXPECT_EQ(fonts.slot(glyphs.font->key, 'c').fontId, 11);
    EXPECT_EQ(fonts.slot(glyphs.font->key, 'c').index, 0);

    // Nothing new: nothing written.
    const size_t after = tags.size();
    fonts.define(first, takeId, tags);
    EXPECT_EQ(tags.size(), after);
    EXPECT_EQ(nextId, 12);
}

TEST(MovieFonts, PastTheGlyphLimitEverythingIsForgottenAndDefinedAgain)
{
    Glyphs glyphs;
    pdf2swf::MovieFonts fonts;
    uint16_t nextId = 1;
    swf::ByteSink tags;
    pdf2swf::PageText big;
    for (uint32_t code = 0; code < pdf2swf::MovieFonts::maxGlyphs; ++code)
        big.glyphs.push_back(glyphs.glyph(0x10000 + code, 0, 0));
    fonts.define(big, [&] { return nextId++; }, tags);
    EXPECT_EQ(fonts.glyphCount(), pdf2swf::MovieFonts::maxGlyphs);

    pdf2swf::PageText next;
    next.glyphs.push_back(glyphs.glyph(0x10000, 0, 0)); // known
    next.glyphs.push_back(glyphs.glyph('z', 0, 0));     // one too many
    fonts.define(next, [&] { return nextId++; }, tags);
    EXPECT_EQ(fonts.glyphCount(), 2u);
    EXPECT_EQ(fonts.slot(glyphs.font->key, 0x10000).fontId, 2);
    EXPECT_EQ(fonts.slot(glyphs.font->key, 'z').fontId, 2);
}

TEST(PageTextLayout, RecordsFollowTheBaselinesAtThePagePositions)
{
    Glyphs glyphs;
    pdf2swf::PageText text;
    text.glyphs.push_back(glyphs.glyph('a', 10.25, 20));
    text.glyphs.push_back(glyphs.glyph('b', 16, 20));
    text.glyphs.push_back(glyphs.glyph('a', 10, 40)); // the next line
    text.glyphs.push_back(glyphs.glyph('b', 22, 20)); // back on the first line
    pdf2swf::MovieFonts fonts;
    uint16_t nextId = 1;
    swf::ByteSink tags;
    fonts.define(text, [&] { return nextId++; }, tags);

    // At twice the size on the stage (a page rendered at half the resolution).
    const std::vector<swf::StaticText> texts = pdf2swf::PageTextLayout::layout(text, 2, fonts);
    ASSERT_EQ(texts.size(), 1u);
    const swf::StaticText& t = texts[0];
    // The text's origin is the middle of its cell of the page; upright text needs no turn.
    EXPECT_EQ(t.matrix.translateXTwips, 32000);
    EXPECT_EQ(t.matrix.translateYTwips, 32000);
    EXPECT_EQ(t.matrix.scaleX, swf::fixedOne);
    EXPECT_EQ(t.matrix.rotateSkew0, 0);
    ASSERT_EQ(t.records.size(), 2u);
    const swf::TextRecord& line1 = t.records[0];
    EXPECT_EQ(line1.heightTwips, 400);
    EXPECT_EQ(line1.xTwips, 410 - 32000);
    EXPECT_EQ(line1.yTwips, 800 - 32000);
    ASSERT_EQ(line1.glyphs.size(), 3u);
    EXPECT_EQ(line1.glyphs[0].advance, 230); // 10.25 -> 16 pixels, doubled, in twips
    EXPECT_EQ(line1.glyphs[1].advance, 240);
    EXPECT_EQ(line1.glyphs[2].index, 1u);
    const swf::TextRecord& line2 = t.records[1];
    EXPECT_EQ(line2.xTwips, 400 - 32000);
    EXPECT_EQ(line2.yTwips, 1600 - 32000);
    // Bounds, with a pixel of room: the leftmost glyph's origin, the second line's baseline,
    // and the first line's glyph tops (700 of 1024 units of a 400-twip em above it).
    EXPECT_EQ(t.bounds.xMinTwips, 400 - 20);
    EXPECT_EQ(t.bounds.yMaxTwips, 1600 + 20);
    EXPECT_EQ(t.bounds.yMinTwips, 526 - 20);
}

TEST(PageTextLayout, LargePagesAreCutIntoCellsAndOverlapsKeepTheirOrder)
{
    Glyphs glyphs; // glyphs half an em wide: 5 pixels
    pdf2swf::PageText text;
    // Cells are 64000 twips, 3200 pixels, wide. Back and forth between two of them: two texts.
    for (double x : {100.0, 5000.0, 120.0, 5020.0})
        text.glyphs.push_back(glyphs.glyph('a', x, 100));
    // At the edge of the second cell, then over it from the first: the second glyph must stay
    // above the first, so it begins a third text.
    text.glyphs.push_back(glyphs.glyph('b', 3201, 100));
    text.glyphs.push_back(glyphs.glyph('b', 3199, 100));
    // Away from both: into the latest text of its cell.
    text.glyphs.push_back(glyphs.glyph('b', 140, 100));
    pdf2swf::MovieFonts fonts;
    uint16_t nextId = 1;
    swf::ByteSink tags;
    fonts.define(text, [&] { return nextId++; }, tags);
    const std::vector<swf::StaticText> texts = pdf2swf::PageTextLayout::layout(text, 1, fonts);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].matrix.translateXTwips, 32000);
    EXPECT_EQ(texts[1].matrix.translateXTwips, 96000);
    EXPECT_EQ(texts[2].matrix.translateXTwips, 32000);
    auto glyphsIn = [](const swf::StaticText& t) {
        size_t n = 0;
        for (const swf::TextRecord& r : t.records)
            n += r.glyphs.size();
        return n;
    };
    EXPECT_EQ(glyphsIn(texts[0]), 2u);
    EXPECT_EQ(glyphsIn(texts[1]), 3u);
    EXPECT_EQ(glyphsIn(texts[2]), 2u);
}

TEST(PageTextLayout, TurnedGlyphsGetATurnedText)
{
    Glyphs glyphs;
    pdf2swf::PageText text;
    pdf2swf::PageGlyph up = glyphs.glyph('a', 100, 100);
    up.orientation = {0, -1, 1, 0}; // the font's x axis points up the page
    text.glyphs.push_back(up);
    up.x = 100;
    up.y = 80; // the next glyph, 20 pixels further along the turned baseline
    text.glyphs.push_back(up);
    pdf2swf::MovieFonts fonts;
    uint16_t nextId = 1;
    swf::ByteSink tags;
    fonts.define(text, [&] { return nextId++; }, tags);
    const std::vector<swf::StaticText> texts = pdf2swf::PageTextLayout::layout(text, 1, fonts);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].matrix.scaleX, 0);
    EXPECT_EQ(texts[0].matrix.rotateSkew0, -swf::fixedOne);
    EXPECT_EQ(texts[0].matrix.rotateSkew1, swf::fixedOne);
    ASSERT_EQ(texts[0].records.size(), 1u);
    EXPECT_EQ(texts[0].records[0].glyphs[0].advance, 400);
}

} // namespace
