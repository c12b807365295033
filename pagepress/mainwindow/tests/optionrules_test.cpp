#include "pagepress/mainwindow/optionrules.h"

#include <gtest/gtest.h>

namespace {

using Kind = TypedNumber::Kind;

TEST(OptionRules, TypedNumbersOnlyTheUpperBoundWhileTyping)
{
    struct Case {
        const char* text;
        const NumberField& field;
        Kind kind;
        int32_t value;
    };
    const Case cases[] = {
        {"", ResolutionField, Kind::Empty, 0},
        // Digit by digit towards 150, below the lower bound on the way.
        {"1", ResolutionField, Kind::Accepted, 1},
        {"15", ResolutionField, Kind::Accepted, 15},
        {"150", ResolutionField, Kind::Accepted, 150},
        {"600", ResolutionField, Kind::Accepted, 600},
        {"601", ResolutionField, Kind::Rejected, 0},
        {"700", ResolutionField, Kind::Rejected, 0},
        {"5a", ResolutionField, Kind::Rejected, 0},
        {" 5", ResolutionField, Kind::Rejected, 0},
        {"-5", ResolutionField, Kind::Rejected, 0},
        {"0", FrameRateField, Kind::Accepted, 0},
        {"35", FrameRateField, Kind::Accepted, 35},
        {"36", FrameRateField, Kind::Rejected, 0},
        // Too long for an integer: above every bound, not a silent 0.
        {"99999999999", FrameRateField, Kind::Rejected, 0},
        {"0000000000000000000000007", FrameRateField, Kind::Accepted, 7},
    };
    for (const Case& c : cases) {
        const TypedNumber typed = CheckTypedNumber(QString::fromUtf8(c.text), c.field);
        EXPECT_EQ(typed.kind, c.kind) << c.text;
        if (c.kind == Kind::Accepted) {
            EXPECT_EQ(typed.value, c.value) << c.text;
        }
    }
}

TEST(OptionRules, TypedPagesNormaliseEveryPieceBeforeTheLastComma)
{
    struct Case {
        const char* typed;
        const char* kept;
    };
    // A document of 10 pages.
    const Case cases[] = {
        {"1-3,5", "1-3,5"},
        {"1-3", "1-3"},
        {"abc,", ","},
        {"8-20,", "8-10,"},
        {" 3 , 5-7,x, 9", "3,5-7, 9"},
        {",,", ","},
        {",", ","},
        {"12,4", ",4"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormalizeTypedPages(QString::fromUtf8(c.typed), 10), QString::fromUtf8(c.kept)) << c.typed;
}

TItemInfo record(int32_t pageMode)
{
    TItemInfo item;
    item.pageCount = 10;
    item.pageMode = pageMode;
    return item;
}

TEST(OptionRules, ConvertCheckKeepsInRangeValuesAndNormalisedPages)
{
    TItemInfo item = record(2);
    const AppliedOptions applied = ApplyOptionTexts({" 12 ", "150", " 1-3, 8-20 ,abc"}, item);
    EXPECT_FALSE(applied.frameRateEdit);
    EXPECT_FALSE(applied.resolutionEdit);
    EXPECT_EQ(item.frameRate, "12");
    EXPECT_EQ(item.zoom, "150");
    EXPECT_EQ(item.resolution, 150);
    EXPECT_EQ(applied.pages, "1-3,8-10");
    EXPECT_EQ(item.pageRange, "1-3,8-10");
    EXPECT_FALSE(applied.invalidPageRange);

    // Outside page mode 2 the shown pages text is stored as it is.
    TItemInfo all = record(0);
    EXPECT_EQ(ApplyOptionTexts({"2", "72", "1-10"}, all).pages, "1-10");
    EXPECT_EQ(all.pageRange, "1-10");
}

TEST(OptionRules, OutOfRangeEditsGoBackToTheRecordOrToTheDefault)
{
    // The record holds accepted values: the edits show them again.
    TItemInfo kept = record(0);
    kept.frameRate = "7";
    kept.resolution = 150;
    kept.zoom = "150";
    AppliedOptions applied = ApplyOptionTexts({"abc", "19", "1-10"}, kept);
    EXPECT_EQ(applied.frameRateEdit, "7");
    EXPECT_EQ(applied.resolutionEdit, "150");
    EXPECT_EQ(kept.frameRate, "7");
    EXPECT_EQ(kept.zoom, "150");

    // Typing stored 0 and 5 on the way; neither may reach the converter.
    TItemInfo typed = record(0);
    typed.frameRate = "0";
    typed.resolution = 5;
    typed.zoom = "5";
    applied = ApplyOptionTexts({"0", "5", "1-10"}, typed);
    EXPECT_EQ(applied.frameRateEdit, "2");
    EXPECT_EQ(applied.resolutionEdit, "72");
    EXPECT_EQ(typed.frameRate, "2");
    EXPECT_EQ(typed.resolution, 72);
    EXPECT_EQ(typed.zoom, "72");
}

TEST(OptionRules, PageRangeThatNormalisesToNothingStopsTheConversion)
{
    for (const char* text : {"abc", "", "  ", "0,11,12-20"}) {
        TItemInfo item = record(2);
        item.pageRange = "1-3";
        const AppliedOptions applied = ApplyOptionTexts({"2", "72", QString::fromUtf8(text)}, item);
        EXPECT_TRUE(applied.invalidPageRange) << text;
        EXPECT_TRUE(item.pageRange.isEmpty()) << text;
    }
}

} // namespace
