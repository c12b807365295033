#pragma once

#include "rasterpdf/rasterpdf.h"

namespace poppler {
class page;
}

namespace rasterpdf {

// Where a page of pageWidth x pageHeight (any unit) lands when fitted into an area of
// areaWidth x areaHeight pixels: aspect ratio kept, centred. `scale` is pixels per unit.
struct PagePlacement {
    double scale = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

PagePlacement fitPage(double pageWidth, double pageHeight, int areaWidth, int areaHeight);

// Fills the part of the area that lies on the surface with white and draws the page into it,
// fitted by fitPage. Only the visible slice of the page is rendered, so a huge area costs no
// more than the surface. The caller holds the page's document lock.
void paintPage(const poppler::page &page, const RasterDC &dc, int areaWidth, int areaHeight);

} // namespace rasterpdf
