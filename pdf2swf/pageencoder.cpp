#include "pageencoder.h"

#include "jpegencoder.h"
#include "palettebuilder.h"

namespace pdf2swf {

EncodedBitmap PageEncoder::encode(uint16_t characterId, const swf::PixelView& pixels) const
{
    EncodedBitmap result;
    result.widthPixels = pixels.width;
    result.heightPixels = pixels.height;
    if (const auto palette = PaletteBuilder::build(pixels)) {
        result.kind = BitmapKind::Palette;
        result.tag = swf::encodePaletteBitmap(characterId, *palette, swf::Transparency::Opaque, m_settings.zlibLevel);
        return result;
    }
    // JPEG first: its size bounds the lossless attempt, which then gives up early on photos.
    result.kind = BitmapKind::Jpeg;
    result.tag = swf::encodeJpegBitmap(characterId, JpegEncoder::encode(pixels, m_settings.jpegQuality));
    if (auto lossless = swf::encodeArgbBitmap(characterId, pixels, swf::Transparency::Opaque, m_settings.zlibLevel,
                                              result.tag.size())) {
        result.kind = BitmapKind::Lossless;
        result.tag = std::move(*lossless);
    }
    return result;
}

} // namespace pdf2swf
