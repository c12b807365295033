#include "vectortextdevice.h"

#include <GfxFont.h>
#include <GfxState.h>
#include <splash/Splash.h>
#include <splash/SplashClip.h>
#include <splash/SplashFont.h>
#include <splash/SplashPath.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace pdf2swf {

namespace {

constexpr double unitsPerEm = fontUnitsPerEm;

uint32_t nameHash(const std::optional<std::string>& name)
{
    uint32_t h = 2166136261u; // FNV-1a
    if (name)
        for (unsigned char c : *name)
            h = (h ^ c) * 16777619u;
    return h;
}

// The colour a paint operation lays down everywhere it paints, when it is one opaque colour.
// Opaque paint of a glyph's own colour over the glyph looks the same in either order.
std::optional<uint32_t> solidColor(GfxState* state, bool stroke, Splash* splash)
{
    GfxColorSpace* space = stroke ? state->getStrokeColorSpace() : state->getFillColorSpace();
    const double opacity = stroke ? state->getStrokeOpacity() : state->getFillOpacity();
    if (space->getMode() == csPattern || opacity < 1 || state->getBlendMode() != gfxBlendNormal || splash->getSoftMask())
        return std::nullopt;
    GfxRGB rgb;
    if (stroke)
        state->getStrokeRGB(&rgb);
    else
        state->getFillRGB(&rgb);
    return uint32_t(colToByte(rgb.r)) << 16 | uint32_t(colToByte(rgb.g)) << 8 | colToByte(rgb.b);
}

uint32_t rgbOf(const swf::Rgba& c)
{
    return uint32_t(c.red) << 16 | uint32_t(c.green) << 8 | c.blue;
}

} // namespace

void VectorTextDevice::Box::extend(double x, double y)
{
    xMin = std::min(xMin, x);
    yMin = std::min(yMin, y);
    xMax = std::max(xMax, x);
    yMax = std::max(yMax, y);
}

void VectorTextDevice::Box::extend(const Box& o)
{
    extend(o.xMin, o.yMin);
    extend(o.xMax, o.yMax);
}

VectorTextDevice::VectorTextDevice(SplashColorPtr paperColor)
    : SplashOutputDev(splashModeXBGR8, 4, false, paperColor)
{
}

void VectorTextDevice::startPage(int pageNum, GfxState* state, XRef* xref)
{
    SplashOutputDev::startPage(pageNum, state, xref);
    m_text = {};
    m_boxes.clear();
    m_collectedBounds = {};
    m_covered.clear();
    m_anyCovered = false;
    m_glyphIndex = 0;
    m_groupDepth = m_patternDepth = m_type3Depth = 0;
    m_fontStale = true;
}

// The rasteriser makes its scaled font lazily; these are the moments it marks it out of date.
void VectorTextDevice::restoreState(GfxState* state)
{
    SplashOutputDev::restoreState(state);
    m_fontStale = true;
}

void VectorTextDevice::updateAll(GfxState* state)
{
    SplashOutputDev::updateAll(state);
    m_fontStale = true;
}

void VectorTextDevice::updateCTM(GfxState* state, double m11, double m12, double m21, double m22, double m31, double m32)
{
    SplashOutputDev::updateCTM(state, m11, m12, m21, m22, m31, m32);
    m_fontStale = true;
}

void VectorTextDevice::updateFont(GfxState* state)
{
    SplashOutputDev::updateFont(state);
    m_fontStale = true;
}

void VectorTextDevice::drawChar(GfxState* state, double x, double y, double dx, double dy, double originX, double originY,
                                CharCode code, int nBytes, const Unicode* u, int uLen)
{
    const int index = m_glyphIndex++;
    const int render = state->getRender();
    if (render == 3)
        return; // invisible text (a scanned page's text layer) draws nothing
    const bool leftToPicture = static_cast<size_t>(index) < m_rasterGlyphs.size() && m_rasterGlyphs[index];
    if (m_mode == TextMode::Outlines && render == 0 && drawsIntoPage() && !leftToPicture
        && collectGlyph(state, x - originX, y - originY, code, u, uLen))
        return;
    drawIntoPicture(state, x, y, dx, dy, originX, originY, code, nBytes, u, uLen);
}

bool VectorTextDevice::collectGlyph(GfxState* state, double x, double y, CharCode code, const Unicode* u, int uLen)
{
    if (state->getBlendMode() != gfxBlendNormal || getSplash()->getSoftMask())
        return false;
    GfxColorSpace* space = state->getFillColorSpace();
    if (space->isNonMarking())
        return true; // paints nothing
    if (space->getMode() == csPattern)
        return false;
    const std::shared_ptr<GfxFont>& pdfFont = state->getFont();
    if (!pdfFont || pdfFont->getType() == fontType3)
        return false;
    if (m_fontStale) {
        doUpdateFont(state);
        m_fontStale = false;
    }
    SplashFont* font = getCurrentFont();
    if (!font)
        return false;

    // The rasteriser's font matrix maps the em (y up) to pixels (y up). Page pixels run down:
    // take the images of the font's x axis and of its downward y axis, and split them into
    // an orientation (orthonormal), a size, and a horizontal scale and slant for the outlines.
    const SplashCoord* m = font->getMatrix();
    const double ax = m[0], ay = -m[1];
    const double bx = -m[2], by = m[3];
    const double sx = std::hypot(ax, ay);
    if (!(sx > 1e-6))
        return false;
    const double q1x = ax / sx, q1y = ay / sx;
    const double slantLength = q1x * bx + q1y * by;
    const double rx = bx - slantLength * q1x, ry = by - slantLength * q1y;
    const double sy = std::hypot(rx, ry);
    if (!(sy > 1e-6))
        return false;
    const double q2x = rx / sy, q2y = ry / sy;
    const long width = std::lround(sx / sy * 1000);
    const long slant = std::lround(slantLength / sy * 1000);
    if (width < 50 || width > 20000 || std::abs(slant) > 20000)
        return false;

    const Ref* ref = pdfFont->getID();
    const FontKey key{ref->num, ref->gen, nameHash(pdfFont->getName()), static_cast<int32_t>(width),
                      static_cast<int32_t>(slant)};
    const uint32_t unicode = uLen == 1 && u[0] > 0 && u[0] < 0xffff ? u[0] : 0;
    std::shared_ptr<const GlyphOutline> outline = m_outliner.outline(*font, key, code, unicode);
    if (!outline)
        return false;
    if (outline->blank)
        return true;

    // The origin where the rasteriser puts it: it snaps glyphs down to whole pixels, and
    // across to quarter pixels (whole ones for glyphs taller than 50 pixels), so glyphs left
    // to the picture and glyphs kept as outlines share their baselines.
    double px, py;
    state->transform(x, y, &px, &py);
    int bboxXMin, bboxYMin, bboxXMax, bboxYMax;
    font->getBBox(&bboxXMin, &bboxYMin, &bboxXMax, &bboxYMax);
    const bool quarterPixels = getFontAntialias() && bboxYMax - bboxYMin + 3 <= 50;
    px = quarterPixels ? std::floor(px * 4) / 4 : std::floor(px);
    py = std::floor(py);
    const double scale = sy / unitsPerEm;
    Box box;
    for (int32_t fu : {outline->bounds.xMinTwips, outline->bounds.xMaxTwips})
        for (int32_t fv : {outline->bounds.yMinTwips, outline->bounds.yMaxTwips})
            box.extend(px + scale * (fu * q1x + fv * q2x), py + scale * (fu * q1y + fv * q2y));
    // A clip that cuts the glyph (the page edge included) leaves it to the picture. Clips by
    // other shapes than rectangles are not measured: their glyphs stay in the picture too.
    SplashClip* clip = getSplash()->getClip();
    if (clip->getNumPaths() > 0 || box.xMin - 1 < clip->getXMin() || box.yMin - 1 < clip->getYMin()
        || box.xMax + 1 > clip->getXMax() || box.yMax + 1 > clip->getYMax())
        return false;

    GfxRGB rgb;
    state->getFillRGB(&rgb);
    const auto alpha = static_cast<uint8_t>(std::lround(std::clamp(state->getFillOpacity(), 0.0, 1.0) * 255));
    if (alpha == 0)
        return true;
    PageGlyph glyph;
    glyph.font = m_outliner.font(key, *pdfFont);
    glyph.outline = std::move(outline);
    glyph.x = px;
    glyph.y = py;
    glyph.orientation = {q1x, q1y, q2x, q2y};
    glyph.emPixels = sy;
    glyph.color = {colToByte(rgb.r), colToByte(rgb.g), colToByte(rgb.b), alpha};
    m_text.glyphs.push_back(std::move(glyph));
    m_boxes.push_back({box, m_glyphIndex - 1});
    m_collectedBounds.extend(box);
    return true;
}

void VectorTextDevice::drawIntoPicture(GfxState* state, double x, double y, double dx, double dy, double originX,
                                       double originY, CharCode code, int nBytes, const Unicode* u, int uLen)
{
    const int render = state->getRender() & 3;
    if (render != 3 && !m_boxes.empty() && drawsIntoPage()) {
        if (m_fontStale) {
            doUpdateFont(state);
            m_fontStale = false;
        }
        Box box;
        if (SplashFont* font = getCurrentFont()) {
            const std::unique_ptr<SplashPath> path(font->getGlyphPath(static_cast<int>(code)));
            for (int i = 0; path && i < path->getLength(); ++i) {
                double gx, gy, px, py;
                unsigned char flags;
                path->getPoint(i, &gx, &gy, &flags);
                state->transform(x - originX + gx, y - originY + gy, &px, &py);
                box.extend(px, py);
            }
        }
        if (box.isEmpty()) {
            // No outline to measure: an em around the origin.
            double m11, m12, m21, m22, px, py;
            state->getFontTransMat(&m11, &m12, &m21, &m22);
            state->transform(x - originX, y - originY, &px, &py);
            const double em = std::hypot(m11, m12) + std::hypot(m21, m22);
            box = Box{px, py, px, py}.widened(em);
        }
        box = box.widened(render == 0 ? 1 : state->getTransformedLineWidth() + 1);
        std::optional<uint32_t> color = solidColor(state, render == 1, getSplash());
        if (render == 2 && color != solidColor(state, true, getSplash()))
            color.reset();
        painting(state, box, color);
    }
    SplashOutputDev::drawChar(state, x, y, dx, dy, originX, originY, code, nBytes, u, uLen);
}

void VectorTextDevice::painting(GfxState* state, Box box, std::optional<uint32_t> color)
{
    if (!drawsIntoPage() || m_boxes.empty())
        return;
    double cx0, cy0, cx1, cy1;
    state->getClipBBox(&cx0, &cy0, &cx1, &cy1);
    box = {std::max(box.xMin, cx0), std::max(box.yMin, cy0), std::min(box.xMax, cx1), std::min(box.yMax, cy1)};
    if (box.isEmpty() || !box.intersects(m_collectedBounds))
        return;
    for (size_t i = 0; i < m_boxes.size(); ++i) {
        if (!m_boxes[i].box.intersects(box))
            continue;
        const swf::Rgba& glyphColor = m_text.glyphs[i].color;
        if (color && glyphColor.alpha == 255 && rgbOf(glyphColor) == *color)
            continue;
        const auto index = static_cast<size_t>(m_boxes[i].glyphIndex);
        if (m_covered.size() <= index)
            m_covered.resize(index + 1);
        m_covered[index] = true;
        m_anyCovered = true;
    }
}

void VectorTextDevice::paintingPath(GfxState* state, double widen, std::optional<uint32_t> color)
{
    if (!drawsIntoPage() || m_boxes.empty())
        return;
    Box box;
    const GfxPath* path = state->getPath();
    for (int i = 0; i < path->getNumSubpaths(); ++i) {
        const GfxSubpath* sub = path->getSubpath(i);
        for (int j = 0; j < sub->getNumPoints(); ++j) {
            double px, py;
            state->transform(sub->getX(j), sub->getY(j), &px, &py);
            box.extend(px, py);
        }
    }
    painting(state, box.widened(widen + 1), color);
}

void VectorTextDevice::paintingUnitSquare(GfxState* state)
{
    if (!drawsIntoPage() || m_boxes.empty())
        return;
    Box box;
    for (double ux : {0.0, 1.0})
        for (double uy : {0.0, 1.0}) {
            double px, py;
            state->transform(ux, uy, &px, &py);
            box.extend(px, py);
        }
    painting(state, box.widened(1), std::nullopt);
}

void VectorTextDevice::paintingClip(GfxState* state)
{
    double x0, y0, x1, y1;
    state->getClipBBox(&x0, &y0, &x1, &y1);
    painting(state, Box{x0, y0, x1, y1}.widened(1), std::nullopt);
}

void VectorTextDevice::stroke(GfxState* state)
{
    paintingPath(state, state->getTransformedLineWidth() * std::max(1.0, state->getMiterLimit()),
                 solidColor(state, true, getSplash()));
    SplashOutputDev::stroke(state);
}

void VectorTextDevice::fill(GfxState* state)
{
    paintingPath(state, 0, solidColor(state, false, getSplash()));
    SplashOutputDev::fill(state);
}

void VectorTextDevice::eoFill(GfxState* state)
{
    paintingPath(state, 0, solidColor(state, false, getSplash()));
    SplashOutputDev::eoFill(state);
}

bool VectorTextDevice::tilingPatternFill(GfxState* state, Gfx* gfx, Catalog* catalog, GfxTilingPattern* tPat,
                                         const double* mat, int x0, int y0, int x1, int y1, double xStep, double yStep)
{
    paintingClip(state);
    ++m_patternDepth;
    const bool done = SplashOutputDev::tilingPatternFill(state, gfx, catalog, tPat, mat, x0, y0, x1, y1, xStep, yStep);
    --m_patternDepth;
    return done;
}

bool VectorTextDevice::functionShadedFill(GfxState* state, GfxFunctionShading* shading)
{
    paintingClip(state);
    return SplashOutputDev::functionShadedFill(state, shading);
}

bool VectorTextDevice::axialShadedFill(GfxState* state, GfxAxialShading* shading, double tMin, double tMax)
{
    paintingClip(state);
    return SplashOutputDev::axialShadedFill(state, shading, tMin, tMax);
}

bool VectorTextDevice::radialShadedFill(GfxState* state, GfxRadialShading* shading, double tMin, double tMax)
{
    paintingClip(state);
    return SplashOutputDev::radialShadedFill(state, shading, tMin, tMax);
}

bool VectorTextDevice::gouraudTriangleShadedFill(GfxState* state, GfxGouraudTriangleShading* shading)
{
    paintingClip(state);
    return SplashOutputDev::gouraudTriangleShadedFill(state, shading);
}

bool VectorTextDevice::beginType3Char(GfxState* state, double x, double y, double dx, double dy, CharCode code,
                                      const Unicode* u, int uLen)
{
    ++m_glyphIndex;
    if (state->getRender() != 3 && drawsIntoPage() && !m_boxes.empty()) {
        // The glyph's box: the font's bounding box, from glyph space through the font matrix
        // to text space, then to page pixels.
        const std::shared_ptr<GfxFont>& font = state->getFont();
        const double* b = font ? font->getFontBBox() : nullptr;
        const double* fm = font ? font->getFontMatrix() : nullptr;
        double m11, m12, m21, m22, px, py;
        state->getFontTransMat(&m11, &m12, &m21, &m22);
        state->transform(x, y, &px, &py);
        Box box;
        const bool usable = b && fm && b[2] > b[0] && b[3] > b[1];
        for (int corner = 0; corner < 4; ++corner) {
            double tx, ty;
            if (usable) {
                const double gx = corner & 1 ? b[2] : b[0], gy = corner & 2 ? b[3] : b[1];
                tx = fm[0] * gx + fm[2] * gy + fm[4];
                ty = fm[1] * gx + fm[3] * gy + fm[5];
            } else {
                tx = corner & 1 ? 1.5 : -0.5;
                ty = corner & 2 ? 1.5 : -0.5;
            }
            box.extend(px + tx * m11 + ty * m21, py + tx * m12 + ty * m22);
        }
        painting(state, box.widened(1), std::nullopt);
    }
    const bool drawn = SplashOutputDev::beginType3Char(state, x, y, dx, dy, code, u, uLen);
    if (!drawn)
        ++m_type3Depth;
    return drawn;
}

void VectorTextDevice::endType3Char(GfxState* state)
{
    SplashOutputDev::endType3Char(state);
    --m_type3Depth;
    m_fontStale = true;
}

void VectorTextDevice::drawImageMask(GfxState* state, Object* ref, Stream* str, int width, int height, bool invert,
                                     bool interpolate, bool inlineImg)
{
    paintingUnitSquare(state);
    SplashOutputDev::drawImageMask(state, ref, str, width, height, invert, interpolate, inlineImg);
}

void VectorTextDevice::drawImage(GfxState* state, Object* ref, Stream* str, int width, int height,
                                 GfxImageColorMap* colorMap, bool interpolate, const int* maskColors, bool inlineImg)
{
    paintingUnitSquare(state);
    SplashOutputDev::drawImage(state, ref, str, width, height, colorMap, interpolate, maskColors, inlineImg);
}

void VectorTextDevice::drawMaskedImage(GfxState* state, Object* ref, Stream* str, int width, int height,
                                       GfxImageColorMap* colorMap, bool interpolate, Stream* maskStr, int maskWidth,
                                       int maskHeight, bool maskInvert, bool maskInterpolate)
{
    paintingUnitSquare(state);
    SplashOutputDev::drawMaskedImage(state, ref, str, width, height, colorMap, interpolate, maskStr, maskWidth, maskHeight,
                                     maskInvert, maskInterpolate);
}

void VectorTextDevice::drawSoftMaskedImage(GfxState* state, Object* ref, Stream* str, int width, int height,
                                           GfxImageColorMap* colorMap, bool interpolate, Stream* maskStr, int maskWidth,
                                           int maskHeight, GfxImageColorMap* maskColorMap, bool maskInterpolate)
{
    paintingUnitSquare(state);
    SplashOutputDev::drawSoftMaskedImage(state, ref, str, width, height, colorMap, interpolate, maskStr, maskWidth,
                                         maskHeight, maskColorMap, maskInterpolate);
}

void VectorTextDevice::beginTransparencyGroup(GfxState* state, const double* bbox, GfxColorSpace* blendingColorSpace,
                                              bool isolated, bool knockout, bool forSoftMask)
{
    ++m_groupDepth;
    SplashOutputDev::beginTransparencyGroup(state, bbox, blendingColorSpace, isolated, knockout, forSoftMask);
}

void VectorTextDevice::endTransparencyGroup(GfxState* state)
{
    SplashOutputDev::endTransparencyGroup(state);
    --m_groupDepth;
    m_fontStale = true;
}

void VectorTextDevice::paintTransparencyGroup(GfxState* state, const double* bbox)
{
    Box box;
    for (int corner = 0; corner < 4; ++corner) {
        double px, py;
        state->transform(corner & 1 ? bbox[2] : bbox[0], corner & 2 ? bbox[3] : bbox[1], &px, &py);
        box.extend(px, py);
    }
    painting(state, box.widened(1), std::nullopt);
    SplashOutputDev::paintTransparencyGroup(state, bbox);
}

} // namespace pdf2swf
