#include "bitmaptags.h"

#include "bytesink.h"
#include "deflater.h"
#include "tagwriter.h"

#include <algorithm>
#include <cassert>

namespace swf {

namespace {

constexpr uint8_t formatColorMapped8 = 3;
constexpr uint8_t formatRgb32 = 5;

uint8_t scaled(uint8_t channel, uint8_t alpha)
{
    return static_cast<uint8_t>((channel * alpha + 127) / 255);
}

// Wraps a lossless body (header fields + zlib data) into its tag.
std::vector<uint8_t> losslessTag(Transparency transparency, const ByteSink& fields, std::span<const uint8_t> zlibData)
{
    const TagCode code = transparency == Transparency::Opaque ? TagCode::DefineBitsLossless : TagCode::DefineBitsLossless2;
    const auto length = static_cast<uint32_t>(fields.size() + zlibData.size());
    ByteSink tag;
    tag.reserve(length + 6);
    writeTagHeader(tag, code, length, HeaderForm::Long);
    tag.bytes(fields.data());
    tag.bytes(zlibData);
    assert(tag.size() == length + 6);
    return tag.take();
}

void checkDimensions(int width, int height)
{
    assert(width > 0 && width <= 0xffff);
    assert(height > 0 && height <= 0xffff);
    (void)width;
    (void)height;
}

} // namespace

Rgba premultiplied(Rgba color)
{
    return {scaled(color.red, color.alpha), scaled(color.green, color.alpha), scaled(color.blue, color.alpha), color.alpha};
}

std::vector<uint8_t> encodePaletteBitmap(uint16_t characterId, const PaletteBitmap& bitmap,
                                         Transparency transparency, int zlibLevel)
{
    checkDimensions(bitmap.width, bitmap.height);
    assert(!bitmap.colors.empty() && bitmap.colors.size() <= 256);
    assert(bitmap.indices.size() == static_cast<size_t>(bitmap.width) * bitmap.height);

    ByteSink fields;
    fields.u16(characterId);
    fields.u8(formatColorMapped8);
    fields.u16(static_cast<uint16_t>(bitmap.width));
    fields.u16(static_cast<uint16_t>(bitmap.height));
    fields.u8(static_cast<uint8_t>(bitmap.colors.size() - 1)); // BitmapColorTableSize: entries - 1

    Deflater deflater(zlibLevel);
    ByteSink table;
    for (const Rgba& c : bitmap.colors) {
        if (transparency == Transparency::Opaque)
            writeRgb(table, {c.red, c.green, c.blue});
        else
            writeRgba(table, premultiplied(c));
    }
    deflater.write(table.data());

    // Colour-mapped rows are padded to a multiple of four bytes.
    const size_t padded = (static_cast<size_t>(bitmap.width) + 3) & ~size_t(3);
    if (padded == static_cast<size_t>(bitmap.width)) {
        deflater.write(bitmap.indices);
    } else {
        std::vector<uint8_t> row(padded, 0);
        for (int y = 0; y < bitmap.height; ++y) {
            const uint8_t* src = bitmap.indices.data() + static_cast<size_t>(y) * bitmap.width;
            std::copy(src, src + bitmap.width, row.begin());
            deflater.write(row);
        }
    }
    deflater.finish();
    return losslessTag(transparency, fields, deflater.output());
}

std::optional<std::vector<uint8_t>> encodeArgbBitmap(uint16_t characterId, const PixelView& pixels,
                                                     Transparency transparency, int zlibLevel,
                                                     size_t maxTagBytes)
{
    checkDimensions(pixels.width, pixels.height);

    ByteSink fields;
    fields.u16(characterId);
    fields.u8(formatRgb32);
    fields.u16(static_cast<uint16_t>(pixels.width));
    fields.u16(static_cast<uint16_t>(pixels.height));
    const size_t overhead = fields.size() + 6;

    Deflater deflater(zlibLevel);
    std::vector<uint8_t> row(static_cast<size_t>(pixels.width) * 4);
    for (int y = 0; y < pixels.height; ++y) {
        uint8_t* out = row.data();
        for (int x = 0; x < pixels.width; ++x) {
            const uint32_t p = pixels.pixel(x, y);
            Rgba c{static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p), static_cast<uint8_t>(p >> 24)};
            if (transparency == Transparency::Opaque) {
                *out++ = 0; // Pix24Reserved
            } else {
                c = premultiplied(c);
                *out++ = c.alpha;
            }
            *out++ = c.red;
            *out++ = c.green;
            *out++ = c.blue;
        }
        deflater.write(row);
        if (deflater.totalOut() + overhead > maxTagBytes)
            return std::nullopt;
    }
    deflater.finish();
    if (deflater.totalOut() + overhead > maxTagBytes)
        return std::nullopt;
    return losslessTag(transparency, fields, deflater.output());
}

std::vector<uint8_t> encodeJpegBitmap(uint16_t characterId, std::span<const uint8_t> jpegData)
{
    ByteSink tag;
    const auto length = static_cast<uint32_t>(jpegData.size() + 2);
    tag.reserve(length + 6);
    writeTagHeader(tag, TagCode::DefineBitsJpeg2, length, HeaderForm::Long);
    tag.u16(characterId);
    tag.bytes(jpegData);
    return tag.take();
}

} // namespace swf
