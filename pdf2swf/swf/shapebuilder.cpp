#include "shapebuilder.h"

#include "bitwriter.h"
#include "bytesink.h"
#include "shaperecords.h"
#include "tagwriter.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>

namespace swf {

int ShapeBuilder::addSolidFill(Rgba color)
{
    FillStyle fill;
    fill.color = color;
    m_fills.push_back(fill);
    return static_cast<int>(m_fills.size());
}

int ShapeBuilder::addBitmapFill(uint16_t bitmapId, const Matrix& bitmapMatrix, BitmapSmoothing smoothing)
{
    FillStyle fill;
    fill.type = smoothing == BitmapSmoothing::Smoothed ? 0x41 : 0x43;
    fill.bitmapId = bitmapId;
    fill.matrix = bitmapMatrix;
    m_fills.push_back(fill);
    return static_cast<int>(m_fills.size());
}

int ShapeBuilder::addLineStyle(uint16_t widthTwips, Rgba color)
{
    m_lines.push_back({widthTwips, color});
    m_maxLineWidth = std::max(m_maxLineWidth, widthTwips);
    return static_cast<int>(m_lines.size());
}

void ShapeBuilder::moveTo(int32_t xTwips, int32_t yTwips, int fill0, int fill1, int line)
{
    assert(fill0 >= 0 && fill0 <= static_cast<int>(m_fills.size()));
    assert(fill1 >= 0 && fill1 <= static_cast<int>(m_fills.size()));
    assert(line >= 0 && line <= static_cast<int>(m_lines.size()));
    m_records.push_back({true, xTwips, yTwips, fill0, fill1, line});
    m_penX = xTwips;
    m_penY = yTwips;
    extendBounds(xTwips, yTwips);
}

void ShapeBuilder::lineTo(int32_t xTwips, int32_t yTwips)
{
    assert(!m_records.empty());
    int64_t dx = int64_t(xTwips) - m_penX;
    int64_t dy = int64_t(yTwips) - m_penY;
    // Long edges are split into pieces that fit the delta fields.
    while (dx != 0 || dy != 0) {
        const int64_t steps = std::max((std::abs(dx) + maxEdgeDelta - 1) / maxEdgeDelta,
                                       (std::abs(dy) + maxEdgeDelta - 1) / maxEdgeDelta);
        const auto stepX = static_cast<int32_t>(dx / steps);
        const auto stepY = static_cast<int32_t>(dy / steps);
        m_records.push_back({false, stepX, stepY, 0, 0, 0});
        dx -= stepX;
        dy -= stepY;
    }
    m_penX = xTwips;
    m_penY = yTwips;
    extendBounds(xTwips, yTwips);
}

void ShapeBuilder::polygon(const std::vector<std::pair<int32_t, int32_t>>& points, int fill, int line)
{
    assert(points.size() >= 3);
    // Shoelace sum; positive means clockwise on screen (y grows downwards), inside on the right.
    int64_t twiceArea = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        const auto& [x0, y0] = points[i];
        const auto& [x1, y1] = points[(i + 1) % points.size()];
        twiceArea += int64_t(x0) * y1 - int64_t(x1) * y0;
    }
    // FillStyle1 is the fill on the right of the edge direction, FillStyle0 the one on the left.
    if (twiceArea > 0)
        moveTo(points.front().first, points.front().second, 0, fill, line);
    else
        moveTo(points.front().first, points.front().second, fill, 0, line);
    for (size_t i = 1; i < points.size(); ++i)
        lineTo(points[i].first, points[i].second);
    lineTo(points.front().first, points.front().second);
}

void ShapeBuilder::rectangle(const Rect& r, int fill, int line)
{
    polygon({{r.xMinTwips, r.yMinTwips}, {r.xMaxTwips, r.yMinTwips}, {r.xMaxTwips, r.yMaxTwips}, {r.xMinTwips, r.yMaxTwips}},
            fill, line);
}

void ShapeBuilder::extendBounds(int32_t x, int32_t y)
{
    extendRect(m_bounds, m_hasBounds, x, y);
}

std::vector<uint8_t> ShapeBuilder::encode(uint16_t shapeId) const
{
    assert(m_fills.size() < 255 && m_lines.size() < 255);
    ByteSink body;
    body.u16(shapeId);
    Rect bounds = m_bounds;
    const int32_t halfLine = m_maxLineWidth / 2;
    bounds.xMinTwips -= halfLine;
    bounds.yMinTwips -= halfLine;
    bounds.xMaxTwips += halfLine;
    bounds.yMaxTwips += halfLine;
    writeRect(body, bounds);

    body.u8(static_cast<uint8_t>(m_fills.size())); // FillStyleCount
    for (const FillStyle& fill : m_fills) {
        body.u8(fill.type);
        if (fill.type == 0x00) {
            writeRgba(body, fill.color);
        } else {
            body.u16(fill.bitmapId);
            writeMatrix(body, fill.matrix);
        }
    }
    body.u8(static_cast<uint8_t>(m_lines.size())); // LineStyleCount
    for (const LineStyle& line : m_lines) {
        body.u16(line.widthTwips);
        writeRgba(body, line.color);
    }

    const int fillBits = BitWriter::unsignedBits(static_cast<uint32_t>(m_fills.size()));
    const int lineBits = BitWriter::unsignedBits(static_cast<uint32_t>(m_lines.size()));
    BitWriter bits(body);
    bits.ub(4, static_cast<uint32_t>(fillBits)); // NumFillBits
    bits.ub(4, static_cast<uint32_t>(lineBits)); // NumLineBits
    for (const Record& r : m_records) {
        if (!r.isMove) {
            writeStraightEdge(bits, r.x, r.y);
            continue;
        }
        // StyleChangeRecord with MoveTo and all three styles set.
        bits.ub(1, 0); // TypeFlag: non-edge
        bits.ub(1, 0); // StateNewStyles
        bits.ub(1, lineBits > 0); // StateLineStyle
        bits.ub(1, fillBits > 0); // StateFillStyle1
        bits.ub(1, fillBits > 0); // StateFillStyle0
        bits.ub(1, 1);            // StateMoveTo
        const int n = std::max(BitWriter::signedBits(r.x), BitWriter::signedBits(r.y));
        bits.ub(5, static_cast<uint32_t>(n));
        bits.sb(n, r.x);
        bits.sb(n, r.y);
        if (fillBits > 0) {
            bits.ub(fillBits, static_cast<uint32_t>(r.fill0));
            bits.ub(fillBits, static_cast<uint32_t>(r.fill1));
        }
        if (lineBits > 0)
            bits.ub(lineBits, static_cast<uint32_t>(r.line));
    }
    writeEndShape(bits);
    bits.flush();

    ByteSink tag;
    writeTag(tag, TagCode::DefineShape3, body.data());
    return tag.take();
}

} // namespace swf
