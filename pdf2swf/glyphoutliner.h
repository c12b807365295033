#pragma once
// Turns glyphs of the rasteriser's fonts into SWF glyph outlines, once per glyph: the outline
// is taken from the same font program the rasteriser draws with (at a fixed, large size, so
// its precision does not depend on the size the page uses), its cubic curves are approximated
// by quadratic ones, and the horizontal scale and slant of the font key are folded in.
// Glyphs that players would fill differently than the PDF (overlapping contours filled by
// the even-odd rule) are refused, so the caller leaves them to the bitmap.
// One outliner per rendering thread; caches are bounded and dropped as a whole when full.

#include "pagetext.h"

#include <map>
#include <memory>
#include <utility>

class GfxFont;
class SplashFont;
class SplashFontFile;

namespace pdf2swf {

class GlyphOutliner {
public:
    GlyphOutliner();
    ~GlyphOutliner();
    GlyphOutliner(const GlyphOutliner&) = delete;
    GlyphOutliner& operator=(const GlyphOutliner&) = delete;

    // The font's description for a SWF font, shared by all glyphs of the key.
    std::shared_ptr<const TextFont> font(const FontKey& key, const GfxFont& pdfFont);
    // Null when the rasteriser cannot outline the glyph or players would fill it wrongly.
    std::shared_ptr<const GlyphOutline> outline(SplashFont& pageFont, const FontKey& key, uint32_t code, uint32_t unicode);

    using Polygons = std::vector<std::vector<std::pair<double, double>>>;
    // Whether even-odd filling of these closed polygons equals nonzero filling (no overlaps,
    // no contours turning the same way inside each other), tested just beside the middle of
    // each edge, or of the edges flagged in tested (edge j runs from point j to j + 1).
    static bool fillsAlike(const Polygons& polygons, const std::vector<std::vector<bool>>* tested = nullptr);

private:
    SplashFont* outlineFont(SplashFontFile* file);

    struct Entry {
        std::shared_ptr<const GlyphOutline> outline; // null: refused
    };
    std::map<SplashFontFile*, std::unique_ptr<SplashFont>> m_outlineFonts;
    std::map<std::pair<FontKey, uint32_t>, Entry> m_glyphs;
    std::map<FontKey, std::shared_ptr<const TextFont>> m_fonts;
};

} // namespace pdf2swf
