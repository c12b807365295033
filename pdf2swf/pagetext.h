#pragma once
// The text of a page kept as outlines: the glyphs in drawing order, each with its font, the
// outline in SWF font units, where it stands on the page and in what colour. Made by the
// renderer on a worker thread, read by the movie composer; immutable once made, so outlines
// and fonts are shared between the pages of one worker.

#include "fields.h"
#include "fonttags.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace pdf2swf {

// The font tag the movies use, and the units of the outlines below. A 1024-unit em is finer
// than a twentieth of a pixel up to a 20-pixel em and a tenth at 600 dpi; DefineFont3's 20x
// finer units cost about a third more bytes per glyph.
constexpr swf::FontTag fontTag = swf::FontTag::DefineFont2;
constexpr int32_t fontUnitsPerEm = swf::unitsPerEm(fontTag);

// One PDF font as drawn with one shape of its glyphs (the horizontal scaling and slant the
// page applies, folded into the outlines); glyphs of equal keys are equal on every page and
// every worker.
struct FontKey {
    int objectNumber = 0;     // the PDF font object
    int generation = 0;
    uint32_t nameHash = 0;    // tells apart fonts without an object of their own
    int32_t widthPermille = 1000; // horizontal scale of the outlines, 1/1000
    int32_t slantPermille = 0;    // x shift per unit of height, 1/1000

    auto tie() const { return std::tie(objectNumber, generation, nameHash, widthPermille, slantPermille); }
    bool operator<(const FontKey& other) const { return tie() < other.tie(); }
    bool operator==(const FontKey& other) const { return tie() == other.tie(); }
};

struct TextFont {
    FontKey key;
    std::string name; // as the PDF names it, without a subset tag
    bool bold = false;
    bool italic = false;
    uint16_t ascentUnits = 0; // font units
    uint16_t descentUnits = 0;
};

struct GlyphOutline {
    uint32_t code = 0;    // the character code the PDF shows (a CID for CID fonts)
    uint32_t unicode = 0; // 0 when the PDF does not say
    bool blank = false;   // no contours: draws nothing
    std::vector<uint8_t> shape; // SWF glyph SHAPE, font units, y down
    int16_t advanceUnits = 0;
    swf::Rect bounds; // font units
};

struct PageGlyph {
    std::shared_ptr<const TextFont> font;
    std::shared_ptr<const GlyphOutline> outline;
    double x = 0; // origin in page pixels (top-left origin, y down)
    double y = 0;
    // Orientation: page-pixel direction of the font's x axis (0, 1) and y axis (2, 3), of unit
    // length; (1, 0, 0, 1) for upright text. The y axis points down the glyph.
    std::array<double, 4> orientation{1, 0, 0, 1};
    double emPixels = 0; // size of the em in page pixels
    swf::Rgba color;
};

struct PageText {
    std::vector<PageGlyph> glyphs;
};

} // namespace pdf2swf
