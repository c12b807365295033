// Choosing and building the bitmap of a page.
#include "moviereader.h"
#include "pageencoder.h"
#include "palettebuilder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using pdf2swf::BitmapKind;
using pdf2swf::PaletteBuilder;

struct Picture {
    int width;
    int height;
    std::vector<uint32_t> pixels;
    swf::PixelView view() const { return {reinterpret_cast<const uint8_t*>(pixels.data()), width, height, width * 4}; }
};

// n distinct colours in a run each, the top byte set as the rasteriser may leave it.
Picture withColours(int n, uint32_t topByte = 0xff000000u)
{
    Picture p{n, 2, {}};
    for (int row = 0; row < 2; ++row)
        for (int i = 0; i < n; ++i)
            p.pixels.push_back(topByte | static_cast<uint32_t>(i * 65793)); // greys and more
    return p;
}

TEST(PaletteBuilder, TakesUpTo256ColoursAndMapsEveryPixel)
{
    const Picture p = withColours(256);
    const auto palette = PaletteBuilder::build(p.view());
    ASSERT_TRUE(palette);
    ASSERT_EQ(palette->colors.size(), 256u);
    for (size_t i = 0; i < p.pixels.size(); ++i) {
        const swf::Rgba c = palette->colors[palette->indices[i]];
        EXPECT_EQ((uint32_t(c.red) << 16) | (uint32_t(c.green) << 8) | c.blue, p.pixels[i] & 0xffffff) << i;
    }
    EXPECT_FALSE(PaletteBuilder::build(withColours(257).view()));
}

TEST(PaletteBuilder, WhiteAsTheLastColourAndTheTopByteIgnored)
{
    // Colour 256 is white: a table that marked empty slots with white would lose it.
    Picture p{257, 1, {}};
    for (uint32_t i = 0; i < 255; ++i)
        p.pixels.push_back(i * 65793);
    p.pixels.push_back(0x00ffffff);
    p.pixels.push_back(0xffffffff);
    const auto palette = PaletteBuilder::build(p.view());
    ASSERT_TRUE(palette);
    EXPECT_EQ(palette->colors.size(), 256u);
    EXPECT_EQ(palette->indices[255], palette->indices[256]);
}

TEST(PageEncoder, FewColoursGiveAPaletteManyTheSmallerOfLosslessAndJpeg)
{
    const pdf2swf::PageEncoder encoder;
    const auto text = encoder.encode(5, withColours(40).view());
    EXPECT_EQ(text.kind, BitmapKind::Palette);
    EXPECT_EQ(text.tag[0] | (text.tag[1] << 8), (20 << 6) | 0x3f); // DefineBitsLossless

    // A flat picture with many colours: lossless wins.
    Picture ramp{600, 40, {}};
    for (int y = 0; y < ramp.height; ++y)
        for (int x = 0; x < ramp.width; ++x)
            ramp.pixels.push_back(0xff000000u | static_cast<uint32_t>(x * 97));
    const auto flat = encoder.encode(5, ramp.view());
    EXPECT_EQ(flat.kind, BitmapKind::Lossless);

    // Grain everywhere: JPEG wins.
    Picture grain{300, 300, {}};
    uint32_t state = 1;
    for (int i = 0; i < 300 * 300; ++i) {
        state = state * 1664525u + 1013904223u;
        grain.pixels.push_back(0xff808080u + ((state >> 8) & 0x0f0f0f));
    }
    const auto photo = encoder.encode(5, grain.view());
    EXPECT_EQ(photo.kind, BitmapKind::Jpeg);
    const auto lossless = swf::encodeArgbBitmap(5, grain.view(), swf::Transparency::Opaque, 6);
    ASSERT_TRUE(lossless);
    EXPECT_LT(photo.tag.size(), lossless->size());
    EXPECT_EQ(photo.tag[6], 5);        // character id
    EXPECT_EQ(photo.tag[8], 0xff);     // JPEG start of image
    EXPECT_EQ(photo.tag[9], 0xd8);
}

} // namespace
