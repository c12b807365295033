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
constexpr double maxHeightTwips = 32767;
constexpr double minHeightTwips = 4;
// Record offsets are SI16: a text covers a square cell of the page around its origin, small
// enough that pen positions fit, turned or not (a turn by 45 degrees makes them longest).
constexpr double axisCellTwips = 64000;
constexpr double turnedCellTwips = 44000;

// Where one glyph goes: the text's matrix is scale times the glyph's orientation, with a
// power-of-two scale so that very large and very small glyphs keep a height the records can
// hold, and the text is the one of the glyph's cell of the page.
struct Placement {
    std::array<long, 4> orientationKey{}; // the orientation, rounded, to tell texts apart
    double scale = 1;
    long cellX = 0;
    long cellY = 0;
    double cellTwips = axisCellTwips;
    uint16_t heightTwips = 0;
    double xTwips = 0; // origin on the page
    double yTwips = 0;

    using Key = std::tuple<std::array<long, 4>, double, long, long>;
    Key key() const { return {orientationKey, scale, cellX, cellY}; }
    std::tuple<std::array<long, 4>, double> orientation() const { return {orientationKey, scale}; }
    double originX() const { return (cellX + 0.5) * cellTwips; }
    double originY() const { return (cellY + 0.5) * cellTwips; }
};

Placement placementOf(const PageGlyph& g, double displayScale)
{
    Placement p;
    bool axisAligned = true;
    for (size_t i = 0; i < 4; ++i) {
        p.orientationKey[i] = std::lround(g.orientation[i] * 10000);
        axisAligned &= p.orientationKey[i] % 10000 == 0;
    }
    const double height = 20 * g.emPixels * displayScale;
    while (height / p.scale > maxHeightTwips)
        p.scale *= 2;
    while (height / p.scale < minHeightTwips && p.scale > 1.0 / 1024)
        p.scale /= 2;
    p.heightTwips = static_cast<uint16_t>(std::clamp(std::lround(height / p.scale), 1L, 65535L));
    p.xTwips = 20 * g.x * displayScale;
    p.yTwips = 20 * g.y * displayScale;
    p.cellTwips = (axisAligned ? axisCellTwips : turnedCellTwips) * p.scale;
    p.cellX = std::lround(std::floor(p.xTwips / p.cellTwips));
    p.cellY = std::lround(std::floor(p.yTwips / p.cellTwips));
    return p;
}

// Where the glyph's outline lies on the page, in twips: xMin, yMin, xMax, yMax.
std::array<double, 4> glyphBox(const PageGlyph& g, const Placement& p, double displayScale)
{
    std::array<double, 4> box{INFINITY, INFINITY, -INFINITY, -INFINITY};
    const double emTwips = 20 * g.emPixels * displayScale;
    const swf::Rect& b = g.outline->bounds;
    for (int32_t u : {b.xMinTwips, b.xMaxTwips})
        for (int32_t v : {b.yMinTwips, b.yMaxTwips}) {
            const double fx = u / unitsPerEm * emTwips, fy = v / unitsPerEm * emTwips;
            const double x = p.xTwips + fx * g.orientation[0] + fy * g.orientation[2];
            const double y = p.yTwips + fx * g.orientation[1] + fy * g.orientation[3];
            box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
        }
    return box;
}

int32_t toFixed(double v)
{
    return static_cast<int32_t>(std::lround(v * swf::fixedOne));
}

class TextBuilder {
public:
    TextBuilder(const PageGlyph& first, const Placement& placement)
        : m_orientation(first.orientation)
        , m_scale(placement.scale)
        , m_originX(std::round(placement.originX()))
        , m_originY(std::round(placement.originY()))
    {
        m_text.matrix.scaleX = toFixed(m_scale * m_orientation[0]);
        m_text.matrix.rotateSkew0 = toFixed(m_scale * m_orientation[1]);
        m_text.matrix.rotateSkew1 = toFixed(m_scale * m_orientation[2]);
        m_text.matrix.scaleY = toFixed(m_scale * m_orientation[3]);
        m_text.matrix.translateXTwips = static_cast<int32_t>(m_originX);
        m_text.matrix.translateYTwips = static_cast<int32_t>(m_originY);
    }

    bool overlaps(const std::array<double, 4>& box) const
    {
        return box[0] < m_xMax && m_xMin < box[2] && box[1] < m_yMax && m_yMin < box[3];
    }

    void add(const PageGlyph& g, const Placement& p, const std::array<double, 4>& box, MovieFonts::Slot slot)
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

        // Bounds in the text's character space: the page.
        m_xMin = std::min(m_xMin, box[0]);
        m_yMin = std::min(m_yMin, box[1]);
        m_xMax = std::max(m_xMax, box[2]);
        m_yMax = std::max(m_yMax, box[3]);
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

    std::array<double, 4> m_orientation;
    double m_scale;
    double m_originX;
    double m_originY;
    using RunKey = std::tuple<uint16_t, uint16_t, int32_t>; // font, height, baseline
    std::map<RunKey, size_t> m_open;                          // runs glyphs may join: record index
    swf::Rgba m_openColor;
    std::vector<int32_t> m_lastX; // per record: the pen at its last glyph
    double m_xMin = INFINITY, m_xMax = -INFINITY, m_yMin = INFINITY, m_yMax = -INFINITY;
    swf::StaticText m_text;
};

// Glyphs join the latest text of their orientation and cell, unless a text begun after that
// one has a glyph where this one goes: then the drawing order between them matters, and the
// glyph begins a new text on top. keyOf tells which texts a glyph may join.
template <typename KeyOf>
std::vector<swf::StaticText> build(const PageText& text, const std::vector<Placement>& placements,
                                   const std::vector<size_t>& order, double displayScale, const MovieFonts& fonts, KeyOf keyOf)
{
    std::vector<TextBuilder> builders;
    std::map<decltype(keyOf(placements[0])), size_t> latest;
    for (size_t i : order) {
        const PageGlyph& g = text.glyphs[i];
        const Placement& p = placements[i];
        const std::array<double, 4> box = glyphBox(g, p, displayScale);
        auto found = latest.find(keyOf(p));
        bool joins = found != latest.end();
        for (size_t later = joins ? found->second + 1 : builders.size(); later < builders.size() && joins; ++later)
            joins = !builders[later].overlaps(box);
        if (!joins) {
            builders.emplace_back(g, p);
            latest[keyOf(p)] = builders.size() - 1;
        }
        builders[latest[keyOf(p)]].add(g, p, box, fonts.slot(g.font->key, g.outline->code));
    }
    std::vector<swf::StaticText> texts;
    for (TextBuilder& b : builders)
        texts.push_back(b.take());
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
    std::vector<swf::StaticText> texts =
        build(text, placements, order, displayScale, fonts, [](const Placement& p) { return p.key(); });
    if (texts.size() > maxTexts) {
        // Glyphs of many orientations over each other: one text per orientation and cell,
        // giving up the drawing order between them.
        std::map<Placement::Key, size_t> first;
        for (size_t i : order)
            first.emplace(placements[i].key(), first.size());
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return first[placements[a].key()] < first[placements[b].key()]; });
        std::vector<swf::StaticText> grouped;
        for (size_t from = 0; from < order.size();) {
            size_t to = from;
            while (to < order.size() && placements[order[to]].key() == placements[order[from]].key())
                ++to;
            const std::vector<size_t> group(order.begin() + static_cast<std::ptrdiff_t>(from),
                                            order.begin() + static_cast<std::ptrdiff_t>(to));
            for (swf::StaticText& t : build(text, placements, group, displayScale, fonts, [](const Placement&) { return 0; }))
                grouped.push_back(std::move(t));
            from = to;
        }
        texts = std::move(grouped);
    }
    return texts;
}

} // namespace pdf2swf
