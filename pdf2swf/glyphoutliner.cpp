#include "glyphoutliner.h"

#include "glyphshape.h"

#include <GfxFont.h>
#include <splash/SplashFont.h>
#include <splash/SplashFontFile.h>
#include <splash/SplashPath.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace pdf2swf {

namespace {

constexpr double outlineEmPixels = 128; // outlines come in 1/64 pixel steps: 1/8192 em
constexpr size_t maxOutlineFonts = 24;  // each holds a glyph bitmap cache of its own
constexpr size_t maxCachedGlyphs = 40000;
constexpr double unitsPerEm = fontUnitsPerEm;
constexpr double curveToleranceUnits = 0.5; // 1/2048 em
constexpr int piecesPerCurve = 4; // when testing how contours overlap

struct Point {
    double x = 0;
    double y = 0;
};

Point lerp(Point a, Point b, double t)
{
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

using Cubic = std::array<Point, 4>;

// De Casteljau: the part of the curve before t and the part after.
std::pair<Cubic, Cubic> splitCubic(const Cubic& c, double t)
{
    const Point ab = lerp(c[0], c[1], t), bc = lerp(c[1], c[2], t), cd = lerp(c[2], c[3], t);
    const Point abc = lerp(ab, bc, t), bcd = lerp(bc, cd, t);
    const Point mid = lerp(abc, bcd, t);
    return {{c[0], ab, abc, mid}, {mid, bcd, cd, c[3]}};
}

// Collects a glyph's contours as straight and quadratic pieces, in font units, and hands
// them to the shape builder and to the overlap test.
class OutlineCollector {
public:
    void moveTo(Point p)
    {
        finishContour();
        m_shape.moveTo(rounded(p.x), rounded(p.y));
        m_polygon = {p};
        m_tested.clear();
        m_pen = p;
    }
    void lineTo(Point p)
    {
        m_shape.lineTo(rounded(p.x), rounded(p.y));
        m_polygon.push_back(p);
        m_tested.push_back(true);
        m_pen = p;
    }
    // The overlap test looks at one piece of each curve: enough to tell which side is inside.
    void quadTo(Point c, Point p)
    {
        m_shape.curveTo(rounded(c.x), rounded(c.y), rounded(p.x), rounded(p.y));
        for (int i = 1; i <= piecesPerCurve; ++i) {
            const double t = double(i) / piecesPerCurve;
            m_polygon.push_back(lerp(lerp(m_pen, c, t), lerp(c, p, t), t));
            m_tested.push_back(i == piecesPerCurve / 2 + 1);
        }
        m_pen = p;
    }
    void cubicTo(Point c1, Point c2, Point p)
    {
        const Cubic cubic{m_pen, c1, c2, p};
        // Error of one quadratic for the whole cubic, from its third difference; it falls
        // with the cube of the number of pieces.
        const double dx = p.x - 3 * c2.x + 3 * c1.x - m_pen.x;
        const double dy = p.y - 3 * c2.y + 3 * c1.y - m_pen.y;
        const double error = std::sqrt(3.0) / 36.0 * std::hypot(dx, dy);
        const int pieces = std::clamp(static_cast<int>(std::ceil(std::cbrt(error / curveToleranceUnits))), 1, 16);
        Cubic rest = cubic;
        for (int i = pieces; i > 0; --i) {
            const auto [piece, after] = i == 1 ? std::pair{rest, rest} : splitCubic(rest, 1.0 / i);
            const Point control{(3 * (piece[1].x + piece[2].x) - piece[0].x - piece[3].x) / 4,
                                (3 * (piece[1].y + piece[2].y) - piece[0].y - piece[3].y) / 4};
            quadTo(control, piece[3]);
            rest = after;
        }
    }
    void finishContour()
    {
        m_shape.close();
        if (m_polygon.size() >= 3) {
            // The closing edge, back to the start.
            m_tested.resize(m_polygon.size(), true);
            GlyphOutliner::Polygons::value_type pairs;
            for (const Point& p : m_polygon)
                pairs.emplace_back(p.x, p.y);
            m_polygons.push_back(std::move(pairs));
            m_testedEdges.push_back(std::move(m_tested));
        }
        m_polygon.clear();
        m_tested.clear();
    }

    swf::GlyphShapeBuilder& shape() { return m_shape; }
    const GlyphOutliner::Polygons& polygons() const { return m_polygons; }
    const std::vector<std::vector<bool>>& testedEdges() const { return m_testedEdges; }

private:
    static int32_t rounded(double v) { return static_cast<int32_t>(std::lround(v)); }

    swf::GlyphShapeBuilder m_shape;
    std::vector<Point> m_polygon;
    std::vector<bool> m_tested;
    GlyphOutliner::Polygons m_polygons;
    std::vector<std::vector<bool>> m_testedEdges;
    Point m_pen;
};

uint16_t fontUnits(double em)
{
    return static_cast<uint16_t>(std::clamp(std::lround(em * unitsPerEm), 0L, 65535L));
}

} // namespace

GlyphOutliner::GlyphOutliner() = default;
GlyphOutliner::~GlyphOutliner() = default;

std::shared_ptr<const TextFont> GlyphOutliner::font(const FontKey& key, const GfxFont& pdfFont)
{
    auto found = m_fonts.find(key);
    if (found != m_fonts.end())
        return found->second;
    auto font = std::make_shared<TextFont>();
    font->key = key;
    font->name = pdfFont.getNameWithoutSubsetTag();
    if (font->name.empty() || font->name.size() > 255)
        font->name = "font" + std::to_string(key.objectNumber);
    font->bold = pdfFont.isBold();
    font->italic = pdfFont.isItalic();
    font->ascentUnits = fontUnits(pdfFont.getAscent());
    font->descentUnits = fontUnits(-pdfFont.getDescent());
    if (m_fonts.size() >= maxCachedGlyphs / 16)
        m_fonts.clear();
    m_fonts.emplace(key, font);
    return font;
}

SplashFont* GlyphOutliner::outlineFont(SplashFontFile* file)
{
    auto found = m_outlineFonts.find(file);
    if (found != m_outlineFonts.end())
        return found->second.get();
    if (m_outlineFonts.size() >= maxOutlineFonts)
        m_outlineFonts.clear();
    // Text space and device space alike: one em is outlineEmPixels, y up.
    SplashCoord matrix[4] = {outlineEmPixels, 0, 0, outlineEmPixels};
    const SplashCoord textMatrix[4] = {outlineEmPixels, 0, 0, outlineEmPixels};
    SplashFont* font = file->makeFont(matrix, textMatrix);
    m_outlineFonts.emplace(file, std::unique_ptr<SplashFont>(font));
    return font;
}

std::shared_ptr<const GlyphOutline> GlyphOutliner::outline(SplashFont& pageFont, const FontKey& key, uint32_t code,
                                                           uint32_t unicode)
{
    const auto id = std::make_pair(key, code);
    auto found = m_glyphs.find(id);
    if (found != m_glyphs.end())
        return found->second.outline;
    if (m_glyphs.size() >= maxCachedGlyphs)
        m_glyphs.clear();
    Entry& entry = m_glyphs[id];

    SplashFont* font = outlineFont(pageFont.getFontFile());
    if (!font)
        return nullptr;
    const std::unique_ptr<SplashPath> path(font->getGlyphPath(static_cast<int>(code)));
    if (!path)
        return nullptr;

    // Glyph space (y up, outlineEmPixels per em) to font units (y down), with the key's
    // horizontal scale and slant.
    const double width = key.widthPermille / 1000.0;
    const double slant = key.slantPermille / 1000.0;
    auto units = [&](double x, double y) {
        const double gx = x / outlineEmPixels;
        const double gy = y / outlineEmPixels;
        return Point{unitsPerEm * (width * gx - slant * gy), -unitsPerEm * gy};
    };
    OutlineCollector collector;
    bool started = false;
    for (int i = 0; i < path->getLength(); ++i) {
        double x, y;
        unsigned char flags;
        path->getPoint(i, &x, &y, &flags);
        if (flags & splashPathFirst) {
            collector.moveTo(units(x, y));
            started = true;
        } else if (!started) {
            return nullptr;
        } else if ((flags & splashPathCurve) && i + 2 < path->getLength()) {
            double x2, y2, x3, y3;
            unsigned char f2, f3;
            path->getPoint(i + 1, &x2, &y2, &f2);
            path->getPoint(i + 2, &x3, &y3, &f3);
            collector.cubicTo(units(x, y), units(x2, y2), units(x3, y3));
            i += 2;
        } else {
            collector.lineTo(units(x, y));
        }
    }
    collector.finishContour();
    if (!fillsAlike(collector.polygons(), &collector.testedEdges()))
        return nullptr;

    auto glyph = std::make_shared<GlyphOutline>();
    glyph->code = code;
    glyph->unicode = unicode;
    glyph->blank = collector.shape().isEmpty();
    glyph->shape = collector.shape().encode();
    glyph->bounds = collector.shape().bounds();
    const double advance = font->getGlyphAdvance(static_cast<int>(code));
    glyph->advanceUnits = static_cast<int16_t>(std::clamp(std::lround(std::max(0.0, advance) * width * unitsPerEm), 0L, 32767L));
    entry.outline = glyph;
    return glyph;
}

bool GlyphOutliner::fillsAlike(const Polygons& polygons, const std::vector<std::vector<bool>>* tested)
{
    struct Edge {
        double x0, y0, x1, y1;
        bool tested;
    };
    std::vector<Edge> edges;
    double top = INFINITY, bottom = -INFINITY;
    for (size_t p = 0; p < polygons.size(); ++p) {
        const auto& polygon = polygons[p];
        for (size_t i = 0; i < polygon.size(); ++i) {
            const auto& [x0, y0] = polygon[i];
            const auto& [x1, y1] = polygon[(i + 1) % polygon.size()];
            edges.push_back({x0, y0, x1, y1, !tested || (*tested)[p][i]});
            top = std::min(top, y0);
            bottom = std::max(bottom, y0);
        }
    }
    if (edges.empty())
        return true;

    // Contours whose boxes do not meet cannot overlap (font outlines do not cross themselves).
    std::vector<std::array<double, 4>> boxes;
    for (const auto& polygon : polygons) {
        std::array<double, 4> box{INFINITY, INFINITY, -INFINITY, -INFINITY};
        for (const auto& [x, y] : polygon)
            box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
        boxes.push_back(box);
    }
    bool apart = true;
    for (size_t i = 0; i < boxes.size() && apart; ++i)
        for (size_t j = i + 1; j < boxes.size() && apart; ++j)
            apart = boxes[i][2] < boxes[j][0] || boxes[j][2] < boxes[i][0] || boxes[i][3] < boxes[j][1] || boxes[j][3] < boxes[i][1];
    if (apart)
        return true;

    // Edges sorted into horizontal bands, so a winding number looks at a few of them only.
    const int bandCount = std::clamp(static_cast<int>(edges.size() / 4), 8, 256);
    const double bandHeight = std::max(1e-9, (bottom - top) / bandCount);
    auto band = [&](double y) { return std::clamp(static_cast<int>((y - top) / bandHeight), 0, bandCount - 1); };
    std::vector<std::vector<const Edge*>> bands(static_cast<size_t>(bandCount));
    for (const Edge& e : edges) {
        if (e.y0 == e.y1)
            continue;
        for (int b = band(std::min(e.y0, e.y1)); b <= band(std::max(e.y0, e.y1)); ++b)
            bands[b].push_back(&e);
    }
    auto winding = [&](double x, double y) {
        int w = 0;
        if (y < top || y >= bottom)
            return 0;
        for (const Edge* e : bands[band(y)]) {
            const bool up = e->y0 <= y && y < e->y1;
            const bool down = e->y1 <= y && y < e->y0;
            if (!up && !down)
                continue;
            const double crossX = e->x0 + (y - e->y0) * (e->x1 - e->x0) / (e->y1 - e->y0);
            if (crossX > x)
                w += up ? 1 : -1;
        }
        return w;
    };

    // Just beside the middle of every edge, one side must be outside and the other inside
    // exactly one contour; otherwise the two rules fill differently somewhere.
    constexpr double offset = 0.5; // font units
    for (const Edge& e : edges) {
        if (!e.tested)
            continue;
        const double length = std::hypot(e.x1 - e.x0, e.y1 - e.y0);
        if (length < 2 * offset)
            continue;
        const double mx = (e.x0 + e.x1) / 2, my = (e.y0 + e.y1) / 2;
        const double nx = -(e.y1 - e.y0) / length * offset, ny = (e.x1 - e.x0) / length * offset;
        const int a = winding(mx + nx, my + ny);
        const int b = winding(mx - nx, my - ny);
        if ((a == 0) == (b == 0) || std::max(std::abs(a), std::abs(b)) != 1)
            return false;
    }
    return true;
}

} // namespace pdf2swf
