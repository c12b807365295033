#include "glyphshape.h"

#include "bitwriter.h"
#include "bytesink.h"
#include "shaperecords.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>

namespace swf {

void GlyphShapeBuilder::moveTo(int32_t x, int32_t y)
{
    close();
    m_records.push_back({Record::Kind::Move, x, y});
    m_penX = m_startX = x;
    m_penY = m_startY = y;
    m_open = true;
    extendBounds(x, y);
}

void GlyphShapeBuilder::lineTo(int32_t x, int32_t y)
{
    assert(m_open);
    int64_t dx = int64_t(x) - m_penX;
    int64_t dy = int64_t(y) - m_penY;
    while (dx != 0 || dy != 0) {
        const int64_t steps = std::max((std::abs(dx) + maxEdgeDelta - 1) / maxEdgeDelta,
                                       (std::abs(dy) + maxEdgeDelta - 1) / maxEdgeDelta);
        const auto stepX = static_cast<int32_t>(dx / steps);
        const auto stepY = static_cast<int32_t>(dy / steps);
        m_records.push_back({Record::Kind::Line, stepX, stepY});
        dx -= stepX;
        dy -= stepY;
    }
    m_penX = x;
    m_penY = y;
    extendBounds(x, y);
}

void GlyphShapeBuilder::curveTo(int32_t controlX, int32_t controlY, int32_t x, int32_t y)
{
    assert(m_open);
    addCurve(m_penX, m_penY, controlX, controlY, x, y);
    m_penX = x;
    m_penY = y;
    extendBounds(controlX, controlY);
    extendBounds(x, y);
}

// Halves a curve whose deltas do not fit the edge fields; the halves meet on the curve.
void GlyphShapeBuilder::addCurve(int64_t x0, int64_t y0, int64_t cx, int64_t cy, int64_t x1, int64_t y1)
{
    const bool fits = std::abs(cx - x0) <= maxEdgeDelta && std::abs(cy - y0) <= maxEdgeDelta
        && std::abs(x1 - cx) <= maxEdgeDelta && std::abs(y1 - cy) <= maxEdgeDelta;
    if (fits) {
        m_records.push_back({Record::Kind::Curve, static_cast<int32_t>(cx - x0), static_cast<int32_t>(cy - y0),
                             static_cast<int32_t>(x1 - cx), static_cast<int32_t>(y1 - cy)});
        return;
    }
    const int64_t ax = (x0 + cx) / 2;
    const int64_t ay = (y0 + cy) / 2;
    const int64_t bx = (cx + x1) / 2;
    const int64_t by = (cy + y1) / 2;
    const int64_t mx = (ax + bx) / 2;
    const int64_t my = (ay + by) / 2;
    addCurve(x0, y0, ax, ay, mx, my);
    addCurve(mx, my, bx, by, x1, y1);
}

void GlyphShapeBuilder::close()
{
    if (m_open && (m_penX != m_startX || m_penY != m_startY))
        lineTo(m_startX, m_startY);
    m_open = false;
}

void GlyphShapeBuilder::extendBounds(int32_t x, int32_t y)
{
    extendRect(m_bounds, m_hasBounds, x, y);
}

std::vector<uint8_t> GlyphShapeBuilder::encode() const
{
    // The open contour, if any, ends where it began: glyph fills must not leak.
    assert(!m_open || (m_penX == m_startX && m_penY == m_startY));
    ByteSink out;
    BitWriter bits(out);
    bits.ub(4, 1); // NumFillBits: one fill style
    bits.ub(4, 0); // NumLineBits: glyphs have no lines
    bool first = true;
    for (const Record& r : m_records) {
        switch (r.kind) {
        case Record::Kind::Move: {
            bits.ub(1, 0); // TypeFlag: non-edge
            bits.ub(1, 0); // StateNewStyles
            bits.ub(1, 0); // StateLineStyle
            bits.ub(1, 0); // StateFillStyle1
            bits.ub(1, first); // StateFillStyle0: set once, on the first record
            bits.ub(1, 1);     // StateMoveTo
            const int n = std::max(BitWriter::signedBits(r.x), BitWriter::signedBits(r.y));
            bits.ub(5, static_cast<uint32_t>(n));
            bits.sb(n, r.x);
            bits.sb(n, r.y);
            if (first)
                bits.ub(1, 1); // FillStyle0
            first = false;
            break;
        }
        case Record::Kind::Line:
            writeStraightEdge(bits, r.x, r.y);
            break;
        case Record::Kind::Curve:
            writeCurvedEdge(bits, r.x, r.y, r.x2, r.y2);
            break;
        }
    }
    writeEndShape(bits);
    bits.flush();
    return out.take();
}

} // namespace swf
