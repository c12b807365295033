#pragma once
// The SHAPERECORDs shared by shapes and font glyphs: edges (straight and curved), the end
// record, and the bit widths they need. Deltas are in the shape's units (twips for shapes,
// font units for glyphs) and must fit the format's 17-bit edge fields.

#include <cstdint>

namespace swf {

class BitWriter;

// StraightEdgeRecord and CurvedEdgeRecord hold deltas of at most 17 bits (NumBits is UB[4]
// holding bits - 2); longer edges are split by their callers.
constexpr int32_t maxEdgeDelta = (1 << 16) - 1;

void writeStraightEdge(BitWriter& bits, int32_t dx, int32_t dy);
// Quadratic curve: control point and anchor, each relative to the point before it.
void writeCurvedEdge(BitWriter& bits, int32_t controlDx, int32_t controlDy, int32_t anchorDx, int32_t anchorDy);
void writeEndShape(BitWriter& bits);

} // namespace swf
