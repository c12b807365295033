#pragma once
// Finds out whether a picture has few enough colours for a colour-mapped bitmap and, if so,
// builds the colour table and one index per pixel in a single pass. Text pages typically
// have a few dozen colours (anti-aliased greys); photos bail out early.

#include "bitmaptags.h"

#include <optional>

namespace pdf2swf {

class PaletteBuilder {
public:
    static constexpr int maxColors = 256;

    // Opaque pixels (the top byte is ignored). Nothing when there are more than maxColors.
    static std::optional<swf::PaletteBitmap> build(const swf::PixelView& pixels);
};

} // namespace pdf2swf
