#include "pagetextlayout.h"


#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

namespace pdf2swf {

namespace {

constexpr double unitsPerEm = fontUnitsPerEm;
constexpr double maxOffsetTwips = 30000; // record offsets are SI16
constexpr double maxHeightTwips = 32767;
constexpr double minHeightTwips = 4;

// Where one glyph goes in its text: the text's matrix is scale times the glyph's orientation,
// with a power-of-two scale so that very large and very small glyphs keep a height the
// records can hold.
struct Placement {
    std::array<long, 4> orientationKey{}; // the orientation, rounded, to tell texts apart
    double scale = 1;
    uint16_t heightTwips = 0;
    double xTwips = 0; // origin on the page
    double yTwips = 0;

    std::tuple<std::array<long, 4>, double> key() const { return {orientationKey, scale}; }
};

Placement placementOf(const PageGlyph& g, double displayScale)
{
    Placement p;
    for (size_t i = 0; i < 4; ++i)
        p.orientationKey[i] = std::lround(g.orientation[i] * 10000);
    const double height = 20 * g.emPixels * displayScale;
    while (height / p.scale > maxHeightTwips)
        p.scale *= 2;
    while (height / p.scale < minHeightTwips && p.scale > 1.0 / 1024)
        p.scale /= 2;
    p.heightTwips = static_cast<uint16_t>(std::clamp(std::lround(height / p.scale), 1L, 65535L));
    p.xTwips = 20 * g.x * displayScale;
    p.yTwips = 20 * g.y * displayScale;
    return p;
}

int32_t toFixed(double v)
{
    return static_cast<int32_t>(std::lround(v * swf::fixedOne));
}

class TextBuilder {
public:
    TextBuilder(const PageGlyph& first, const Placement& placement, double displayScale)
        : m_orientation(first.orientation)
        , m_scale(placement.scale)
        , m_originX(std::round(placement.xTwips))
        , m_originY(std::round(placement.yTwips))
        , m_displayScale(displayScale)
        , m_key(placement.key())
    {
        m_text.matrix.scaleX = toFixed(m_scale * m_orientation[0]);
        m_text.matrix.rotateSkew0 = toFixed(m_scale * m_orientation[1]);
        m_text.matrix.rotateSkew1 = toFixed(m_scale * m_orientation[2]);
        m_text.matrix.scaleY = toFixed(m_scale * m_orientation[3]);
        m_text.matrix.translateXTwips = static_cast<int32_t>(m_originX);
        m_text.matrix.translateYTwips = static_cast<int32_t>(m_originY);
    }

    // Whether the glyph can join this text: same orientation and scale, and a pen position
    // the records can hold.
    bool takes(const Placement& p) const
    {
        if (p.key() != m_key)
            return false;
        const auto [x, y] = penOf(p);
        return std::abs(x) <= maxOffsetTwips && std::abs(y) <= maxOffsetTwips;
    }

    void add(const PageGlyph& g, const Placement& p, MovieFonts::Slot slot)
    {
        const auto [penX, penY] = penOf(p);
        const auto x = static_cast<int32_t>(std::lround(penX));
        const auto y = static_cast<int32_t>(std::lround(penY));
        // Glyphs of one colour may be drawn in any order: they join the open run of their font,
        // size and baseline while the pen moves forward by less than two ems, even when glyphs
        // of other fonts came between (a font whose glyphs came in several parts, bold words).
        // A new record costs a few bytes, wide advances cost bits in every glyph of the text.
        if (!m_open.empty() && !sameColor(m_openColor, g.color))
            m_open.clear();
        m_openColor = g.color;
        const RunKey key{slot.fontId, p.heightTwips, y};
        auto open = m_open.find(key);
        if (open != m_open.end() && x >= m_lastX[open->second] && x - m_lastX[open->second] <= 2 * p.heightTwips) {
            swf::TextRecord& record = m_text.records[open->second];
            record.glyphs.back().advance = x - m_lastX[open->second];
            record.glyphs.push_back({slot.index, 0});
            m_lastX[open->second] = x;
        } else {
            m_open[key] = m_text.records.size();
            m_text.records.push_back({slot.fontId, p.heightTwips, g.color, static_cast<int16_t>(x), static_cast<int16_t>(y),
                                      {{slot.index, 0}}});
            m_lastX.push_back(x);
        }

        // Bounds in the text's character space: the outline's box placed on the page.
        const double emTwips = 20 * g.emPixels * m_displayScale;
        const swf::Rect& b = g.outline->bounds;
        for (int32_t u : {b.xMinTwips, b.xMaxTwips})
            for (int32_t v : {b.yMinTwips, b.yMaxTwips}) {
                const double fx = u / unitsPerEm * emTwips, fy = v / unitsPerEm * emTwips;
                extend(p.xTwips + fx * g.orientation[0] + fy * g.orientation[2],
                       p.yTwips + fx * g.orientation[1] + fy * g.orientation[3]);
            }
    }

    swf::StaticText take()
    {
        // A pixel of room for anti-aliasing.
        m_text.bounds = {static_cast<int32_t>(std::floor(m_xMin)) - 20, static_cast<int32_t>(std::ceil(m_xMax)) + 20,
                         static_cast<int32_t>(std::floor(m_yMin)) - 20, static_cast<int32_t>(std::ceil(m_yMax)) + 20};
        return std::move(m_text);
    }

private:
    // Pen position in the text's own space: the page position through the inverse of the
    // matrix (the orientation is orthonormal, so its inverse is its transpose).
    std::pair<double, double> penOf(const Placement& p) const
    {
        const double dx = p.xTwips - m_originX, dy = p.yTwips - m_originY;
        return {(dx * m_orientation[0] + dy * m_orientation[1]) / m_scale,
                (dx * m_orientation[2] + dy * m_orientation[3]) / m_scale};
    }
    static bool sameColor(const swf::Rgba& a, const swf::Rgba& b)
    {
        return a.red == b.red && a.green == b.green && a.blue == b.blue && a.alpha == b.alpha;
    }
    void extend(double x, double y)
    {
        m_xMin = std::min(m_xMin, x);
        m_xMax = std::max(m_xMax, x);
        m_yMin = std::min(m_yMin, y);
        m_yMax = std::max(m_yMax, y);
    }

    std::array<double, 4> m_orientation;
    double m_scale;
    double m_originX;
    double m_originY;
    double m_displayScale;
    std::tuple<std::array<long, 4>, double> m_key;
    using RunKey = std::tuple<uint16_t, uint16_t, int32_t>; // font, height, baseline
    std::map<RunKey, size_t> m_open;                          // runs glyphs may join: record index
    swf::Rgba m_openColor;
    std::vector<int32_t> m_lastX; // per record: the pen at its last glyph
    double m_xMin = INFINITY, m_xMax = -INFINITY, m_yMin = INFINITY, m_yMax = -INFINITY;
    swf::StaticText m_text;
};

std::vector<swf::StaticText> build(const PageText& text, const std::vector<Placement>& placements,
                                   const std::vector<size_t>& order, double displayScale, const MovieFonts& fonts)
{
    std::vector<swf::StaticText> texts;
    std::optional<TextBuilder> current;
    for (size_t i : order) {
        const PageGlyph& g = text.glyphs[i];
        if (!current || !current->takes(placements[i])) {
            if (current)
                texts.push_back(current->take());
            current.emplace(g, placements[i], displayScale);
        }
        current->add(g, placements[i], fonts.slot(g.font->key, g.outline->code));
    }
    if (current)
        texts.push_back(current->take());
    return texts;
}

} // namespace

std::vector<swf::StaticText> PageTextLayout::layout(const PageText& text, double displayScale, const MovieFonts& fonts)
{
    std::vector<Placement> placements;
    std::vector<size_t> order;
    for (size_t i = 0; i < text.glyphs.size(); ++i) {
        placements.push_back(placementOf(text.glyphs[i], displayScale));
        order.push_back(i);
    }
    std::vector<swf::StaticText> texts = build(text, placements, order, displayScale, fonts);
    if (texts.size() > maxTexts) {
        // Orientations that alternate: one text per orientation, giving up the drawing order
        // between them.
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return placements[a].key() < placements[b].key(); });
        texts = build(text, placements, order, displayScale, fonts);
    }
    return texts;
}

} // namespace pdf2swf
