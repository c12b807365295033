#pragma once
// Chooses how a page picture is stored and encodes it as a bitmap tag: colour-mapped
// lossless when the page has at most 256 colours (text pages), otherwise the smaller of
// 32-bit lossless and JPEG. Stateless; safe to use from several threads at once.

#include "bitmaptags.h"

#include <cstdint>
#include <vector>

namespace pdf2swf {

enum class BitmapKind { Palette, Lossless, Jpeg };

struct EncodedBitmap {
    BitmapKind kind = BitmapKind::Palette;
    int widthPixels = 0;
    int heightPixels = 0;
    std::vector<uint8_t> tag; // the whole bitmap tag, character id included
};

struct EncoderSettings {
    int zlibLevel = 6;
    int jpegQuality = 85; // keeps small text readable
};

class PageEncoder {
public:
    explicit PageEncoder(EncoderSettings settings = {}) : m_settings(settings) {}

    EncodedBitmap encode(uint16_t characterId, const swf::PixelView& pixels) const;

private:
    EncoderSettings m_settings;
};

} // namespace pdf2swf
