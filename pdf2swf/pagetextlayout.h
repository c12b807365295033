#pragma once
// Lays the glyphs of a page out as static texts (DefineText2 contents): glyphs of one
// orientation in one large square of the page share a text whose matrix turns them, so
// upright text needs no turn at all; within a text, glyphs on one baseline in one font, size
// and colour form a record. Positions are stage twips relative to the page's top-left
// corner. Where glyphs lie over each other, their drawing order is kept, unless a page would
// need too many texts for it. Stateless.

#include "moviefonts.h"
#include "pagetext.h"
#include "texttags.h"

#include <vector>

namespace pdf2swf {

class PageTextLayout {
public:
    static constexpr size_t maxTexts = 64;

    // displayScale: stage pixels per picture pixel. Every glyph's font must be defined in fonts.
    static std::vector<swf::StaticText> layout(const PageText& text, double displayScale, const MovieFonts& fonts);
};

} // namespace pdf2swf
