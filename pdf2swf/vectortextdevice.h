#pragma once
// A Splash output device that draws a page without its text and hands the text out as
// outlines instead: every glyph that can be shown faithfully as a glyph of an embedded font
// is collected (font, outline, position, orientation, size, colour); everything else, and the
// glyphs that cannot (Type 3 fonts, stroked or clipping render modes, text in transparency
// groups, patterns, soft masks or blend modes, glyphs cut by a clip, outlines that players
// would fill differently), is drawn into the page picture as usual. Invisible text is dropped.
//
// Drawing order is kept: a glyph that something drawn later overlaps cannot float above the
// picture, so it is reported as covered and the caller draws the page again with that glyph
// left to the picture (setRasterGlyphs). One device per thread, reused for every page.

#include "convertoptions.h"
#include "glyphoutliner.h"
#include "pagetext.h"

#include <SplashOutputDev.h>

#include <cmath>
#include <optional>
#include <vector>

namespace pdf2swf {

class VectorTextDevice final : public SplashOutputDev {
public:
    explicit VectorTextDevice(SplashColorPtr paperColor);

    // For the next page: Picture draws all text into the picture, as a plain Splash device.
    void setTextMode(TextMode mode) { m_mode = mode; }
    // Glyphs (by their index in the page's drawing order) to draw into the picture anyway.
    void setRasterGlyphs(std::vector<bool> glyphIndices) { m_rasterGlyphs = std::move(glyphIndices); }

    // After the page: the collected text, and the glyphs that later drawing overlaps.
    PageText takeText() { return std::move(m_text); }
    const std::vector<bool>& coveredGlyphs() const { return m_covered; }
    bool anyCovered() const { return m_anyCovered; }

    void startPage(int pageNum, GfxState* state, XRef* xref) override;
    void restoreState(GfxState* state) override;
    void updateAll(GfxState* state) override;
    void updateCTM(GfxState* state, double m11, double m12, double m21, double m22, double m31, double m32) override;
    void updateFont(GfxState* state) override;

    void stroke(GfxState* state) override;
    void fill(GfxState* state) override;
    void eoFill(GfxState* state) override;
    bool tilingPatternFill(GfxState* state, Gfx* gfx, Catalog* catalog, GfxTilingPattern* tPat, const double* mat, int x0,
                           int y0, int x1, int y1, double xStep, double yStep) override;
    bool functionShadedFill(GfxState* state, GfxFunctionShading* shading) override;
    bool axialShadedFill(GfxState* state, GfxAxialShading* shading, double tMin, double tMax) override;
    bool radialShadedFill(GfxState* state, GfxRadialShading* shading, double tMin, double tMax) override;
    bool gouraudTriangleShadedFill(GfxState* state, GfxGouraudTriangleShading* shading) override;

    void drawChar(GfxState* state, double x, double y, double dx, double dy, double originX, double originY, CharCode code,
                  int nBytes, const Unicode* u, int uLen) override;
    bool beginType3Char(GfxState* state, double x, double y, double dx, double dy, CharCode code, const Unicode* u,
                        int uLen) override;
    void endType3Char(GfxState* state) override;

    void drawImageMask(GfxState* state, Object* ref, Stream* str, int width, int height, bool invert, bool interpolate,
                       bool inlineImg) override;
    void drawImage(GfxState* state, Object* ref, Stream* str, int width, int height, GfxImageColorMap* colorMap,
                   bool interpolate, const int* maskColors, bool inlineImg) override;
    void drawMaskedImage(GfxState* state, Object* ref, Stream* str, int width, int height, GfxImageColorMap* colorMap,
                         bool interpolate, Stream* maskStr, int maskWidth, int maskHeight, bool maskInvert,
                         bool maskInterpolate) override;
    void drawSoftMaskedImage(GfxState* state, Object* ref, Stream* str, int width, int height, GfxImageColorMap* colorMap,
                             bool interpolate, Stream* maskStr, int maskWidth, int maskHeight,
                             GfxImageColorMap* maskColorMap, bool maskInterpolate) override;

    void beginTransparencyGroup(GfxState* state, const double* bbox, GfxColorSpace* blendingColorSpace, bool isolated,
                                bool knockout, bool forSoftMask) override;
    void endTransparencyGroup(GfxState* state) override;
    void paintTransparencyGroup(GfxState* state, const double* bbox) override;

private:
    // Page pixels; empty until extended.
    struct Box {
        double xMin = INFINITY, yMin = INFINITY, xMax = -INFINITY, yMax = -INFINITY;
        bool isEmpty() const { return xMax <= xMin || yMax <= yMin; }
        bool intersects(const Box& o) const { return xMin < o.xMax && o.xMin < xMax && yMin < o.yMax && o.yMin < yMax; }
        void extend(double x, double y);
        void extend(const Box& o);
        Box widened(double by) const { return {xMin - by, yMin - by, xMax + by, yMax + by}; }
    };
    struct CollectedBox {
        Box box;
        int glyphIndex;
    };

    bool collectGlyph(GfxState* state, double x, double y, CharCode code, const Unicode* u, int uLen);
    void drawIntoPicture(GfxState* state, double x, double y, double dx, double dy, double originX, double originY,
                         CharCode code, int nBytes, const Unicode* u, int uLen);
    // Something is about to be drawn into the picture over box (page pixels), in one opaque
    // colour (0xRRGGBB) if known.
    void painting(GfxState* state, Box box, std::optional<uint32_t> color);
    void paintingPath(GfxState* state, double widen, std::optional<uint32_t> color);
    void paintingUnitSquare(GfxState* state);
    void paintingClip(GfxState* state);
    bool drawsIntoPage() const { return m_groupDepth == 0 && m_patternDepth == 0 && m_type3Depth == 0; }

    TextMode m_mode = TextMode::Outlines;
    GlyphOutliner m_outliner;
    PageText m_text;
    std::vector<CollectedBox> m_boxes;
    Box m_collectedBounds;
    std::vector<bool> m_rasterGlyphs;
    std::vector<bool> m_covered;
    bool m_anyCovered = false;
    int m_glyphIndex = 0;
    int m_groupDepth = 0;
    int m_patternDepth = 0;
    int m_type3Depth = 0;
    bool m_fontStale = true;
};

} // namespace pdf2swf
