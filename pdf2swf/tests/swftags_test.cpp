// The tag writers and the movie writer: zlib streams, bitmap data layout, button actions,
// whole small movies byte for byte, and reading them back.
#include "bitmaptags.h"
#include "buttontags.h"
#include "bytes.h"
#include "bytesink.h"
#include "controltags.h"
#include "deflater.h"
#include "moviereader.h"
#include "moviewriter.h"
#include "outputsink.h"
#include "tagwriter.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <zlib.h>

namespace {

using testing_bytes::hex;

std::vector<uint8_t> inflateAll(std::span<const uint8_t> data, size_t expectedSize)
{
    std::vector<uint8_t> out(expectedSize + 1);
    uLongf size = out.size();
    const int rc = uncompress(out.data(), &size, data.data(), data.size());
    EXPECT_EQ(rc, Z_OK);
    out.resize(size);
    return out;
}

// Bytes after the tag header of a tag written with the long header.
std::span<const uint8_t> longTagBody(const std::vector<uint8_t>& tag)
{
    return std::span<const uint8_t>(tag).subspan(6);
}

TEST(Deflater, LevelChangesMidStreamStillMakeOneValidStream)
{
    std::vector<uint8_t> text(100000);
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<uint8_t>("page pictures "[i % 14]);
    swf::Deflater deflater(6);
    deflater.write(std::span(text).subspan(0, 30000));
    deflater.setLevel(0);
    deflater.write(std::span(text).subspan(30000, 40000));
    deflater.setLevel(6);
    deflater.write(std::span(text).subspan(70000));
    deflater.finish();
    const std::vector<uint8_t> out = deflater.takeOutput();
    ASSERT_GE(out.size(), 2u);
    EXPECT_EQ(out[0], 0x78); // zlib header: deflate, 32 KB window
    EXPECT_EQ(inflateAll(out, text.size()), text);
    // The stored part is not compressed, the rest is.
    EXPECT_GT(out.size(), 40000u);
    EXPECT_LT(out.size(), 45000u);
}

TEST(BitmapTags, PaletteRowsArePaddedToFourBytes)
{
    swf::PaletteBitmap bitmap;
    bitmap.width = 3;
    bitmap.height = 2;
    bitmap.colors = {{255, 255, 255, 255}, {0, 0, 0, 255}, {255, 0, 0, 255}};
    bitmap.indices = {0, 1, 2, 2, 1, 0};
    const auto tag = swf::encodePaletteBitmap(7, bitmap, swf::Transparency::Opaque, 6);
    EXPECT_EQ(hex(std::span(tag).subspan(0, 2)), "3f 05"); // DefineBitsLossless, long header
    const auto body = longTagBody(tag);
    // id 7, format 3, width 3, height 2, table size - 1, then zlib data
    EXPECT_EQ(hex(body.subspan(0, 8)), "07 00 03 03 00 02 00 02");
    const auto pixels = inflateAll(body.subspan(8), 64);
    EXPECT_EQ(hex(pixels), "ff ff ff 00 00 00 ff 00 00 "
                           "00 01 02 00 "
                           "02 01 00 00");
}

TEST(BitmapTags, AlphaFormsStorePremultipliedColours)
{
    const swf::Rgba half = swf::premultiplied({200, 100, 50, 128});
    EXPECT_EQ(hex(std::vector<uint8_t>{half.red, half.green, half.blue, half.alpha}), "64 32 19 80");

    swf::PaletteBitmap bitmap;
    bitmap.width = 4;
    bitmap.height = 1;
    bitmap.colors = {{200, 100, 50, 128}, {10, 20, 30, 0}};
    bitmap.indices = {0, 1, 1, 0};
    const auto tag = swf::encodePaletteBitmap(1, bitmap, swf::Transparency::WithAlpha, 6);
    EXPECT_EQ(hex(std::span(tag).subspan(0, 2)), "3f 09"); // DefineBitsLossless2, long header
    EXPECT_EQ(hex(inflateAll(longTagBody(tag).subspan(8), 64)), "64 32 19 80 00 00 00 00 00 01 01 00");

    const uint32_t pixels[2] = {0x80c86432u, 0xff0a141eu}; // 0xAARRGGBB
    const swf::PixelView view{reinterpret_cast<const uint8_t*>(pixels), 2, 1, 8};
    const auto withAlpha = swf::encodeArgbBitmap(1, view, swf::Transparency::WithAlpha, 6);
    ASSERT_TRUE(withAlpha);
    EXPECT_EQ(hex(inflateAll(longTagBody(*withAlpha).subspan(7), 64)), "80 64 32 19 ff 0a 14 1e");
    const auto opaque = swf::encodeArgbBitmap(1, view, swf::Transparency::Opaque, 6);
    ASSERT_TRUE(opaque);
    EXPECT_EQ(hex(std::span(*opaque).subspan(0, 2)), "3f 05");
    EXPECT_EQ(hex(inflateAll(longTagBody(*opaque).subspan(7), 64)), "00 c8 64 32 00 0a 14 1e");
}

TEST(BitmapTags, LosslessGivesUpPastTheSizeLimit)
{
    // Noise does not compress: a limit below its size stops the attempt.
    std::vector<uint32_t> noise(64 * 64);
    uint32_t state = 12345;
    for (uint32_t& p : noise) {
        state = state * 1103515245u + 12345u;
        p = state;
    }
    const swf::PixelView view{reinterpret_cast<const uint8_t*>(noise.data()), 64, 64, 256};
    EXPECT_FALSE(swf::encodeArgbBitmap(1, view, swf::Transparency::Opaque, 6, 4000));
    const auto full = swf::encodeArgbBitmap(1, view, swf::Transparency::Opaque, 6);
    ASSERT_TRUE(full);
    EXPECT_TRUE(swf::encodeArgbBitmap(1, view, swf::Transparency::Opaque, 6, full->size()));
}

TEST(ButtonTags, ActionOffsetAndConditionsPointAtTheActions)
{
    swf::ByteSink sink;
    swf::ButtonAction next;
    next.key = swf::ButtonKey::Right;
    next.actions.nextFrame();
    swf::writeDefineButton2(sink, 9, {{uint8_t(swf::StateUp | swf::StateHitTest), 4, 1, {}}}, {next});
    // header (short: 19 bytes), id 9, flags, ActionOffset 10 (to the byte after the end flag),
    // one record: states, character 4, depth 1, identity matrix, colour transform; end flag;
    // last condition (size 0), OverDownToOverUp, key 2 (right arrow) << 1, NextFrame, end.
    EXPECT_EQ(hex(sink.data()), "93 08 09 00 00 0a 00 09 04 00 01 00 00 04 00 00 00 08 04 04 00");
}

// A one-frame movie with nothing on it, as a reference for the header layout.
swf::MovieHeader tinyHeader(swf::Compression compression)
{
    swf::MovieHeader header;
    header.version = 8;
    header.compression = compression;
    header.stage = {0, 20, 0, 40};
    header.framesPerSecond = 12;
    header.frameCount = 1;
    return header;
}

std::vector<uint8_t> writeTinyMovie(swf::Compression compression)
{
    swf::MemorySink sink;
    swf::MovieWriter writer(sink, tinyHeader(compression));
    swf::ByteSink tags;
    swf::writeShowFrame(tags);
    writer.writeTags(tags.data());
    writer.finish();
    return sink.bytes();
}

TEST(MovieWriter, UncompressedMovieByteForByte)
{
    EXPECT_EQ(hex(writeTinyMovie(swf::Compression::None)),
              "46 57 53 08 15 00 00 00 " // FWS, version 8, file length 21
              "38 02 80 14 00 "          // stage 1 x 2 pixels
              "00 0c 01 00 "             // 12 frames per second, one frame
              "40 00 00 00");            // ShowFrame, End
}

TEST(MovieWriter, CompressedMovieDeflatesTheSameBody)
{
    const auto plain = writeTinyMovie(swf::Compression::None);
    const auto packed = writeTinyMovie(swf::Compression::Zlib);
    EXPECT_EQ(hex(std::span(packed).subspan(0, 8)), "43 57 53 08 15 00 00 00"); // CWS, length uncompressed
    EXPECT_EQ(inflateAll(std::span(packed).subspan(8), plain.size()), std::vector<uint8_t>(plain.begin() + 8, plain.end()));
}

TEST(MovieWriter, RefusesAFrameCountThatDiffersFromTheHeader)
{
    swf::MemorySink sink;
    swf::MovieHeader header = tinyHeader(swf::Compression::Zlib);
    header.frameCount = 2;
    swf::MovieWriter writer(sink, header);
    swf::ByteSink tags;
    swf::writeShowFrame(tags);
    writer.writeTags(tags.data());
    EXPECT_THROW(writer.finish(), std::logic_error);
}

TEST(MovieReader, ReadsBackWhatTheWriterWrote)
{
    for (auto compression : {swf::Compression::None, swf::Compression::Zlib}) {
        swf::MemorySink sink;
        swf::MovieHeader header = tinyHeader(compression);
        header.frameCount = 2;
        header.framesPerSecond = 2.5;
        swf::MovieWriter writer(sink, header);
        swf::ByteSink tags;
        swf::writeSetBackgroundColor(tags, {1, 2, 3});
        swf::writeShowFrame(tags);
        std::vector<uint8_t> big(100, 0xab);
        swf::writeTag(tags, swf::TagCode::DefineBitsJpeg2, big);
        swf::writeShowFrame(tags);
        writer.writeTags(tags.data());
        writer.finish();

        const swf::MovieReader reader(sink.bytes());
        EXPECT_EQ(reader.isCompressed(), compression == swf::Compression::Zlib);
        EXPECT_EQ(reader.version(), 8);
        EXPECT_EQ(reader.stage().xMaxTwips, 20);
        EXPECT_EQ(reader.stage().yMaxTwips, 40);
        EXPECT_EQ(reader.frameRate8dot8(), 0x0280);
        EXPECT_EQ(reader.frameCount(), 2);
        ASSERT_EQ(reader.tags().size(), 4u);
        EXPECT_EQ(reader.tags()[0].code, swf::TagCode::SetBackgroundColor);
        EXPECT_EQ(hex(reader.tags()[0].body), "01 02 03");
        EXPECT_EQ(reader.tags()[2].body.size(), 100u);
        EXPECT_EQ(reader.tags()[2].whole.size(), 106u);
    }
}

TEST(MovieReader, RejectsDamagedMovies)
{
    const auto good = writeTinyMovie(swf::Compression::None);
    const auto packed = writeTinyMovie(swf::Compression::Zlib);
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    auto edited = [](std::vector<uint8_t> bytes, size_t at, uint8_t value) {
        bytes[at] = value;
        return bytes;
    };
    std::vector<uint8_t> noEnd(good.begin(), good.end() - 2);
    noEnd[4] = static_cast<uint8_t>(noEnd.size());
    std::vector<uint8_t> tagPastEnd = good;
    tagPastEnd[17] = 0x45; // ShowFrame claims five bytes
    const Case cases[] = {
        {"empty", {}},
        {"not a movie", {'%', 'P', 'D', 'F', '-', '1', '.', '4', 0, 0}},
        {"LZMA", edited(good, 0, 'Z')},
        {"length differs", edited(good, 4, 0x30)},
        {"cut compressed body", std::vector<uint8_t>(packed.begin(), packed.end() - 4)},
        {"no End tag", noEnd},
        {"tag past the end", tagPastEnd},
    };
    for (const Case& c : cases)
        EXPECT_THROW(swf::MovieReader{c.bytes}, std::runtime_error) << c.what;
}

} // namespace
