#pragma once
// Field writers: the compound records of the SWF format (RECT, MATRIX, RGB, RGBA, CXFORM).
// Coordinates are in twips (1/20 pixel); scale and skew factors are 16.16 fixed point.

#include <cstdint>

namespace swf {

class ByteSink;

constexpr int32_t twipsPerPixel = 20;
constexpr int32_t fixedOne = 65536;

struct Rect {
    int32_t xMinTwips = 0;
    int32_t xMaxTwips = 0;
    int32_t yMinTwips = 0;
    int32_t yMaxTwips = 0;
};

// Grows bounds to hold the point; the first point (hasBounds false) starts them.
inline void extendRect(Rect& bounds, bool& hasBounds, int32_t x, int32_t y)
{
    if (!hasBounds) {
        bounds = {x, x, y, y};
        hasBounds = true;
        return;
    }
    bounds.xMinTwips = x < bounds.xMinTwips ? x : bounds.xMinTwips;
    bounds.xMaxTwips = x > bounds.xMaxTwips ? x : bounds.xMaxTwips;
    bounds.yMinTwips = y < bounds.yMinTwips ? y : bounds.yMinTwips;
    bounds.yMaxTwips = y > bounds.yMaxTwips ? y : bounds.yMaxTwips;
}

struct Matrix {
    int32_t scaleX = fixedOne;
    int32_t scaleY = fixedOne;
    int32_t rotateSkew0 = 0;
    int32_t rotateSkew1 = 0;
    int32_t translateXTwips = 0;
    int32_t translateYTwips = 0;

    static Matrix translation(int32_t xTwips, int32_t yTwips)
    {
        Matrix m;
        m.translateXTwips = xTwips;
        m.translateYTwips = yTwips;
        return m;
    }
};

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

struct Rgba {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 255;
};

// RECT: UB[5] bits per coordinate, then Xmin, Xmax, Ymin, Ymax as SB; byte-aligned at the end.
void writeRect(ByteSink& sink, const Rect& rect);
// MATRIX: optional scale, optional rotate/skew, translation; byte-aligned at the end.
void writeMatrix(ByteSink& sink, const Matrix& matrix);
void writeRgb(ByteSink& sink, const Rgb& color);
void writeRgba(ByteSink& sink, const Rgba& color);
// CXFORMWITHALPHA that leaves colours unchanged (no add, no multiply terms).
void writeIdentityColorTransform(ByteSink& sink);

} // namespace swf
