#include "fields.h"

#include "bitwriter.h"
#include "bytesink.h"

#include <algorithm>
#include <initializer_list>

namespace swf {

namespace {

int bitsForAll(std::initializer_list<int32_t> values)
{
    int bits = 0;
    for (int32_t v : values)
        bits = std::max(bits, BitWriter::signedBits(v));
    return bits;
}

} // namespace

void writeRect(ByteSink& sink, const Rect& rect)
{
    BitWriter bits(sink);
    const int n = bitsForAll({rect.xMinTwips, rect.xMaxTwips, rect.yMinTwips, rect.yMaxTwips});
    bits.ub(5, static_cast<uint32_t>(n)); // UB[5]: bits per coordinate
    bits.sb(n, rect.xMinTwips);
    bits.sb(n, rect.xMaxTwips);
    bits.sb(n, rect.yMinTwips);
    bits.sb(n, rect.yMaxTwips);
    bits.flush();
}

void writeMatrix(ByteSink& sink, const Matrix& m)
{
    BitWriter bits(sink);
    const bool hasScale = m.scaleX != fixedOne || m.scaleY != fixedOne;
    bits.ub(1, hasScale);
    if (hasScale) {
        const int n = bitsForAll({m.scaleX, m.scaleY});
        bits.ub(5, static_cast<uint32_t>(n));
        bits.fb(n, m.scaleX);
        bits.fb(n, m.scaleY);
    }
    const bool hasRotate = m.rotateSkew0 != 0 || m.rotateSkew1 != 0;
    bits.ub(1, hasRotate);
    if (hasRotate) {
        const int n = bitsForAll({m.rotateSkew0, m.rotateSkew1});
        bits.ub(5, static_cast<uint32_t>(n));
        bits.fb(n, m.rotateSkew0);
        bits.fb(n, m.rotateSkew1);
    }
    // A zero translation takes no bits at all.
    const int n = (m.translateXTwips == 0 && m.translateYTwips == 0)
        ? 0
        : bitsForAll({m.translateXTwips, m.translateYTwips});
    bits.ub(5, static_cast<uint32_t>(n));
    bits.sb(n, m.translateXTwips);
    bits.sb(n, m.translateYTwips);
    bits.flush();
}

void writeRgb(ByteSink& sink, const Rgb& color)
{
    sink.u8(color.red);
    sink.u8(color.green);
    sink.u8(color.blue);
}

void writeRgba(ByteSink& sink, const Rgba& color)
{
    sink.u8(color.red);
    sink.u8(color.green);
    sink.u8(color.blue);
    sink.u8(color.alpha);
}

void writeIdentityColorTransform(ByteSink& sink)
{
    BitWriter bits(sink);
    bits.ub(1, 0); // HasAddTerms
    bits.ub(1, 0); // HasMultTerms
    bits.ub(4, 1); // Nbits: unused without terms, but kept non-zero as players expect
    bits.flush();
}

} // namespace swf
