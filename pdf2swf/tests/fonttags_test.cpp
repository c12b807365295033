// Glyph outlines, embedded fonts and static text on the byte level.
#include "bytes.h"
#include "bytesink.h"
#include "fonttags.h"
#include "glyphshape.h"
#include "tagwriter.h"
#include "texttags.h"

#include <gtest/gtest.h>

namespace {

using testing_bytes::hex;

TEST(GlyphShape, OneContourOfALineAndACurveClosedByALine)
{
    swf::GlyphShapeBuilder glyph;
    glyph.moveTo(0, 0);
    glyph.lineTo(10, 0);
    glyph.curveTo(10, 10, 0, 10);
    glyph.close();
    // 1 fill bit, 0 line bits; move with FillStyle0 = 1; edge (10, 0); curve (0, 10) then
    // (-10, 0); edge (0, -10) back to the start; end record.
    EXPECT_EQ(hex(glyph.encode()), "10 0c 27 31 51 81 56 06 6d 80");
    EXPECT_EQ(glyph.bounds().xMaxTwips, 10);
    EXPECT_EQ(glyph.bounds().yMaxTwips, 10);

    // A blank glyph is the bit counts and the end record.
    EXPECT_EQ(hex(swf::GlyphShapeBuilder().encode()), "10 00");
}

TEST(StaticText, OneRecordByteForByte)
{
    swf::StaticText text;
    text.bounds = {0, 200, -100, 20};
    text.records.push_back({3, 240, {255, 0, 0, 255}, 20, 100, {{0, 120}, {1, 0}}});
    swf::ByteSink sink;
    swf::writeDefineText2(sink, 7, text);
    // Header (code 33, 29 bytes), id, bounds, identity matrix, 1 glyph bit, 8 advance bits,
    // a record with font, colour and both offsets, two entries, end of records.
    EXPECT_EQ(hex(sink.data()), "5d 08 07 00 48 01 91 9c 0a 00 00 01 08 8f 03 00 ff 00 00 ff 14 00 64 00 f0 00 02 3c 40 00 00");
}

TEST(StaticText, LongRunsAreSplitAndStylesWrittenOnlyWhenTheyChange)
{
    swf::StaticText text;
    text.bounds = {0, 20000, 0, 400};
    swf::TextRecord run{5, 200, {0, 0, 0, 255}, 100, 300, {}};
    for (int i = 0; i < 300; ++i)
        run.glyphs.push_back({static_cast<uint32_t>(i % 3), 10});
    text.records.push_back(run);
    swf::TextRecord same = run;
    same.glyphs.resize(1);
    same.xTwips = 50;
    text.records.push_back(same);
    swf::ByteSink sink;
    swf::writeDefineText2(sink, 9, text);
    const std::vector<uint8_t>& b = sink.data();
    // Long header, id, bounds (UB5 = 16: 69 bits, 9 bytes), matrix, bit counts.
    size_t pos = 6 + 2 + 9 + 1;
    EXPECT_EQ(b[pos], 2);     // glyph bits
    EXPECT_EQ(b[pos + 1], 5); // advance bits
    pos += 2;
    // First record: everything, 255 glyphs of 7 bits.
    EXPECT_EQ(b[pos], 0x8f);
    EXPECT_EQ(b[pos + 1 + 2 + 4 + 4 + 2], 255);
    pos += 1 + 2 + 4 + 4 + 2 + 1 + (255 * 7 + 7) / 8;
    // The rest of the run: offsets only, x moved on by 255 advances.
    EXPECT_EQ(b[pos], 0x83);
    EXPECT_EQ(b[pos + 1] | b[pos + 2] << 8, 100 + 255 * 10);
    EXPECT_EQ(b[pos + 5], 45);
    pos += 1 + 4 + 1 + (45 * 7 + 7) / 8;
    // The second record, same font and colour: offsets only.
    EXPECT_EQ(b[pos], 0x83);
    EXPECT_EQ(b[pos + 1] | b[pos + 2] << 8, 50);
    pos += 1 + 4 + 1 + 1;
    EXPECT_EQ(b[pos], 0); // end of records
    EXPECT_EQ(pos + 1, b.size());
}

TEST(EmbeddedFont, TablesOffsetsCodesAndLayout)
{
    swf::GlyphShapeBuilder square;
    square.moveTo(0, 0);
    square.lineTo(100, 0);
    square.lineTo(100, -100);
    square.lineTo(0, -100);
    square.close();
    swf::EmbeddedFont font;
    font.name = "Sq";
    font.bold = true;
    font.ascent = 900;
    font.descent = 200;
    font.glyphs.push_back({0x41, square.encode(), 120, square.bounds()});
    font.glyphs.push_back({0xe000, swf::GlyphShapeBuilder().encode(), 50, {}});
    swf::ByteSink sink;
    swf::writeDefineFont(sink, swf::FontTag::DefineFont2, 4, font);
    const std::vector<uint8_t>& b = sink.data();
    const size_t shapeBytes = font.glyphs[0].shape.size() + font.glyphs[1].shape.size();
    ASSERT_GT(b.size(), 2u);
    EXPECT_EQ((b[0] | b[1] << 8) >> 6, 48); // DefineFont2
    size_t pos = (b[0] & 0x3f) == 0x3f ? 6 : 2;
    EXPECT_EQ(b[pos] | b[pos + 1] << 8, 4);
    EXPECT_EQ(b[pos + 2], 0x80 | 0x04 | 0x01); // layout, wide codes, bold
    EXPECT_EQ(b[pos + 4], 2);
    EXPECT_EQ(std::string(b.begin() + static_cast<long>(pos) + 5, b.begin() + static_cast<long>(pos) + 7), "Sq");
    pos += 7;
    EXPECT_EQ(b[pos] | b[pos + 1] << 8, 2); // glyphs
    pos += 2;
    const size_t table = pos;
    EXPECT_EQ(b[pos] | b[pos + 1] << 8, 6); // three offsets of two bytes before the first shape
    EXPECT_EQ(static_cast<size_t>(b[pos + 2] | b[pos + 3] << 8), 6 + font.glyphs[0].shape.size());
    EXPECT_EQ(static_cast<size_t>(b[pos + 4] | b[pos + 5] << 8), 6 + shapeBytes); // code table
    pos = table + 6 + shapeBytes;
    EXPECT_EQ(hex(std::span(b).subspan(pos, 4)), "41 00 00 e0");
    pos += 4;
    EXPECT_EQ(hex(std::span(b).subspan(pos, 10)), "84 03 c8 00 00 00 78 00 32 00"); // ascent, descent, leading, advances
}

TEST(TagWriter, CharacterIdsAreSetInShortAndLongTags)
{
    std::vector<uint8_t> shortTag = {0x44, 0x08, 0, 0, 0xaa, 0xbb};
    swf::setCharacterId(shortTag, 0x1234);
    EXPECT_EQ(hex(shortTag), "44 08 34 12 aa bb");
    std::vector<uint8_t> longTag = {0x3f, 0x05, 4, 0, 0, 0, 0, 0, 0xaa, 0xbb};
    swf::setCharacterId(longTag, 0x0102);
    EXPECT_EQ(hex(longTag), "3f 05 04 00 00 00 02 01 aa bb");
}

} // namespace
