#pragma once
// Writers of the bitmap definition tags: DefineBitsLossless (opaque) and DefineBitsLossless2
// (with alpha) in the colour-mapped and the 32-bit form, and DefineBitsJPEG2. Inputs carry
// straight (not premultiplied) alpha; the alpha forms are stored premultiplied, as players
// expect. Each function returns one complete tag. Safe to call from several threads.

#include "fields.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace swf {

enum class Transparency { Opaque, WithAlpha };

// Pixels as 32-bit words 0xAARRGGBB in native byte order, rows strideBytes apart.
struct PixelView {
    const uint8_t* data = nullptr;
    int width = 0;
    int height = 0;
    int strideBytes = 0;

    uint32_t pixel(int x, int y) const
    {
        return reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * strideBytes)[x];
    }
};

// At most 256 colours and one index per pixel, rows of width bytes without padding.
struct PaletteBitmap {
    int width = 0;
    int height = 0;
    std::vector<Rgba> colors;
    std::vector<uint8_t> indices;
};

std::vector<uint8_t> encodePaletteBitmap(uint16_t characterId, const PaletteBitmap& bitmap,
                                         Transparency transparency, int zlibLevel);
// Returns nothing once the tag would grow past maxTagBytes, so a caller comparing
// encodings stops early on a bitmap that does not compress.
std::optional<std::vector<uint8_t>> encodeArgbBitmap(uint16_t characterId, const PixelView& pixels,
                                                     Transparency transparency, int zlibLevel,
                                                     size_t maxTagBytes = SIZE_MAX);
std::vector<uint8_t> encodeJpegBitmap(uint16_t characterId, std::span<const uint8_t> jpegData);

// Colour scaled by its alpha, rounded, as the alpha bitmap forms store it.
Rgba premultiplied(Rgba color);

} // namespace swf
