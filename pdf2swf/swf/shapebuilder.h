#pragma once
// Builds a DefineShape3 tag from fill styles, line styles and straight edges. Edges are kept
// until encode() because the style counts fix the bit widths of the shape records.
// Coordinates are absolute twips; encode() turns them into the format's deltas.
// Not thread-safe; one shape per builder.

#include "fields.h"

#include <cstdint>
#include <vector>

namespace swf {

enum class BitmapSmoothing { Smoothed, Pixelated };

class ShapeBuilder {
public:
    // Style indices are 1-based as in the format; 0 means "no style".
    int addSolidFill(Rgba color);
    int addBitmapFill(uint16_t bitmapId, const Matrix& bitmapMatrix, BitmapSmoothing smoothing);
    int addLineStyle(uint16_t widthTwips, Rgba color);

    // Starts a new path at (x, y) drawn with the given styles.
    void moveTo(int32_t xTwips, int32_t yTwips, int fill0, int fill1, int line);
    void lineTo(int32_t xTwips, int32_t yTwips);
    // A closed polygon filled with fill, whichever way its points turn: the style goes on the
    // side of the edges that faces the inside.
    void polygon(const std::vector<std::pair<int32_t, int32_t>>& pointsTwips, int fill, int line = 0);
    void rectangle(const Rect& rect, int fill, int line = 0);

    std::vector<uint8_t> encode(uint16_t shapeId) const;

private:
    struct FillStyle {
        uint8_t type = 0; // 0x00 solid, 0x41 clipped bitmap, 0x43 non-smoothed clipped bitmap
        Rgba color;
        uint16_t bitmapId = 0;
        Matrix matrix;
    };
    struct LineStyle {
        uint16_t widthTwips = 0;
        Rgba color;
    };
    struct Record {
        bool isMove = false;
        int32_t x = 0; // move target, or edge delta
        int32_t y = 0;
        int fill0 = 0;
        int fill1 = 0;
        int line = 0;
    };

    std::vector<FillStyle> m_fills;
    std::vector<LineStyle> m_lines;
    std::vector<Record> m_records;
    int32_t m_penX = 0;
    int32_t m_penY = 0;
    Rect m_bounds;
    bool m_hasBounds = false;
    uint16_t m_maxLineWidth = 0;

    void extendBounds(int32_t x, int32_t y);
};

} // namespace swf
