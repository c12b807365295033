// Exact bytes of the writer's lowest layers: bit packing, compound fields, tag headers,
// fixed-point rates and action records.
#include "actionbuilder.h"
#include "bitwriter.h"
#include "bytes.h"
#include "bytesink.h"
#include "fields.h"
#include "tagwriter.h"

#include <gtest/gtest.h>

namespace {

using testing_bytes::hex;

TEST(BitWriter, PacksFieldsMostSignificantBitFirstAndPadsWithZeros)
{
    swf::ByteSink sink;
    {
        swf::BitWriter bits(sink);
        bits.ub(3, 0b101);
        bits.sb(4, -3); // 1101
        bits.ub(2, 0b11);
        bits.sb(5, 7); // 00111
        bits.flush();
    }
    // 101 1101 11 00111 + 0 padding = 10111011 10011100
    EXPECT_EQ(hex(sink.data()), "bb 9c");
}

TEST(BitWriter, CountsBitsForSignedAndUnsignedValues)
{
    struct Case {
        int32_t value;
        int signedBits;
    };
    const Case cases[] = {{0, 1}, {1, 2}, {-1, 1}, {-2, 2}, {127, 8}, {-128, 8}, {128, 9}, {-129, 9},
                          {INT32_MAX, 32}, {INT32_MIN, 32}};
    for (const Case& c : cases)
        EXPECT_EQ(swf::BitWriter::signedBits(c.value), c.signedBits) << c.value;
    EXPECT_EQ(swf::BitWriter::unsignedBits(0), 0);
    EXPECT_EQ(swf::BitWriter::unsignedBits(255), 8);
    EXPECT_EQ(swf::BitWriter::unsignedBits(256), 9);
}

TEST(Fields, RectOfTheClassicStageSize)
{
    // 550 x 400 pixels: 15 bits per coordinate.
    swf::ByteSink sink;
    swf::writeRect(sink, {0, 11000, 0, 8000});
    EXPECT_EQ(hex(sink.data()), "78 00 05 5f 00 00 0f a0 00");
}

TEST(Fields, RectWithNegativeCoordinates)
{
    swf::ByteSink sink;
    swf::writeRect(sink, {-1, 1, -2, 2});
    // 3 bits each: 00011 111 001 110 010 + padding
    EXPECT_EQ(hex(sink.data()), "1f 39 00");
}

TEST(Fields, MatrixEncodings)
{
    struct Case {
        const char* what;
        swf::Matrix matrix;
        const char* bytes;
    };
    swf::Matrix scaled;
    scaled.scaleX = 2 * swf::fixedOne; // 0x20000 needs 19 bits
    scaled.scaleY = swf::fixedOne / 2; // 0x8000
    swf::Matrix rotated;
    rotated.rotateSkew0 = 1;
    rotated.rotateSkew1 = -1;
    const Case cases[] = {
        {"identity takes one byte", swf::Matrix{}, "00"},
        // 0 0 00110 010100 101100 + padding
        {"translation only", swf::Matrix::translation(20, -20), "0c a5 80"},
        // 1 10011 0100000000000000000 0001000000000000000 0 00000 + padding
        {"scale", scaled, "cd 00 00 08 00 00 00"},
        // 0 1 00010 01 11 00000 + padding
        {"rotate and skew", rotated, "44 e0"},
    };
    for (const Case& c : cases) {
        swf::ByteSink sink;
        swf::writeMatrix(sink, c.matrix);
        EXPECT_EQ(hex(sink.data()), c.bytes) << c.what;
    }
}

TEST(TagHeader, ShortUpToSixtyTwoBytesLongFromSixtyThree)
{
    struct Case {
        swf::TagCode code;
        uint32_t length;
        swf::HeaderForm form;
        const char* bytes;
    };
    const Case cases[] = {
        {swf::TagCode::ShowFrame, 0, swf::HeaderForm::Shortest, "40 00"},
        {swf::TagCode::SetBackgroundColor, 3, swf::HeaderForm::Shortest, "43 02"},
        {swf::TagCode::DoAction, 62, swf::HeaderForm::Shortest, "3e 03"},
        {swf::TagCode::DoAction, 63, swf::HeaderForm::Shortest, "3f 03 3f 00 00 00"},
        {swf::TagCode::DefineBitsLossless, 0x12345, swf::HeaderForm::Shortest, "3f 05 45 23 01 00"},
        // Bitmap tags take the long form even when short.
        {swf::TagCode::DefineBitsLossless, 10, swf::HeaderForm::Long, "3f 05 0a 00 00 00"},
    };
    for (const Case& c : cases) {
        swf::ByteSink sink;
        swf::writeTagHeader(sink, c.code, c.length, c.form);
        EXPECT_EQ(hex(sink.data()), c.bytes) << "length " << c.length;
        EXPECT_EQ(sink.size(), swf::tagHeaderSize(c.length, c.form));
    }
}

TEST(FixedPoint, FrameRatesAreRoundedToEightDotEight)
{
    struct Case {
        double rate;
        const char* bytes;
    };
    const Case cases[] = {{2, "00 02"}, {12.5, "80 0c"}, {29.97, "f8 1d"}, {0.01, "03 00"}, {255, "00 ff"}};
    for (const Case& c : cases) {
        swf::ByteSink sink;
        sink.fixed8(c.rate);
        EXPECT_EQ(hex(sink.data()), c.bytes) << c.rate;
    }
}

TEST(ByteSink, LittleEndianFieldsStringsAndPatches)
{
    swf::ByteSink sink;
    sink.u16(0x1234);
    sink.u32(0xdeadbeef);
    sink.string("ab");
    sink.patchU16(0, 0xabcd);
    EXPECT_EQ(hex(sink.data()), "cd ab ef be ad de 61 62 00");
}

TEST(Actions, RecordsWithAndWithoutData)
{
    swf::ActionBuilder a;
    a.stop().gotoFrame(3).pushString("a").pushInteger(-2).setTarget("_root").gotoFrameFromStack();
    EXPECT_EQ(hex(a.bytes()),
              "07 "                         // Stop
              "81 02 00 03 00 "             // GotoFrame 3
              "96 03 00 00 61 00 "          // Push string "a"
              "96 05 00 07 fe ff ff ff "    // Push integer -2
              "8b 06 00 5f 72 6f 6f 74 00 " // SetTarget "_root"
              "9f 01 00 00 "                // GotoFrame2, stop there
              "00");                        // ActionEndFlag
}

} // namespace
