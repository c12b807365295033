#pragma once
// Builds the SHAPE of one font glyph: closed contours of straight and quadratic edges in font
// units, drawn with fill style 1 on every edge and no lines, as font glyphs must be.
// Players fill glyphs by the even-odd rule, whatever way the contours turn.
// Coordinates are absolute; y grows downwards (the baseline is y = 0, ascenders are negative).
// Not thread-safe; one glyph per builder.

#include "fields.h"

#include <cstdint>
#include <vector>

namespace swf {

class GlyphShapeBuilder {
public:
    // Starts a contour; the one before is closed with a straight edge if it is still open.
    void moveTo(int32_t x, int32_t y);
    void lineTo(int32_t x, int32_t y);
    void curveTo(int32_t controlX, int32_t controlY, int32_t x, int32_t y);
    // Closes the current contour (a no-op when it already ends where it began).
    void close();

    bool isEmpty() const { return m_records.empty(); }
    // Bounds of all points, control points included; all zero for an empty glyph.
    Rect bounds() const { return m_bounds; }

    // NumFillBits, NumLineBits and the records, byte-aligned.
    std::vector<uint8_t> encode() const;

private:
    struct Record {
        enum class Kind { Move, Line, Curve } kind;
        int32_t x = 0; // move target, or deltas
        int32_t y = 0;
        int32_t x2 = 0; // curve: anchor deltas after the control deltas
        int32_t y2 = 0;
    };

    void extendBounds(int32_t x, int32_t y);
    void addCurve(int64_t x0, int64_t y0, int64_t cx, int64_t cy, int64_t x1, int64_t y1);

    std::vector<Record> m_records;
    int32_t m_penX = 0;
    int32_t m_penY = 0;
    int32_t m_startX = 0;
    int32_t m_startY = 0;
    bool m_open = false;
    bool m_hasBounds = false;
    Rect m_bounds;
};

} // namespace swf
