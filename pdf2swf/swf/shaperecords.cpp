#include "shaperecords.h"

#include "bitwriter.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <initializer_list>

namespace swf {

namespace {

int deltaBits(std::initializer_list<int32_t> deltas)
{
    int n = 2; // the smallest NumBits + 2
    for (int32_t d : deltas) {
        assert(std::abs(d) <= maxEdgeDelta);
        if (d != 0)
            n = std::max(n, BitWriter::signedBits(d));
    }
    return n;
}

} // namespace

void writeStraightEdge(BitWriter& bits, int32_t dx, int32_t dy)
{
    bits.ub(1, 1); // TypeFlag: edge
    bits.ub(1, 1); // StraightFlag
    const int n = deltaBits({dx, dy});
    bits.ub(4, static_cast<uint32_t>(n - 2));
    if (dx != 0 && dy != 0) {
        bits.ub(1, 1); // GeneralLineFlag
        bits.sb(n, dx);
        bits.sb(n, dy);
    } else {
        bits.ub(1, 0);
        bits.ub(1, dx == 0); // VertLineFlag
        bits.sb(n, dx == 0 ? dy : dx);
    }
}

void writeCurvedEdge(BitWriter& bits, int32_t controlDx, int32_t controlDy, int32_t anchorDx, int32_t anchorDy)
{
    bits.ub(1, 1); // TypeFlag: edge
    bits.ub(1, 0); // StraightFlag: curved
    const int n = deltaBits({controlDx, controlDy, anchorDx, anchorDy});
    bits.ub(4, static_cast<uint32_t>(n - 2));
    bits.sb(n, controlDx);
    bits.sb(n, controlDy);
    bits.sb(n, anchorDx);
    bits.sb(n, anchorDy);
}

void writeEndShape(BitWriter& bits)
{
    bits.ub(6, 0); // TypeFlag 0 and no state flags
}

} // namespace swf
