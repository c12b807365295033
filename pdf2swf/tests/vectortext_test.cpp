// Text kept as glyphs of embedded fonts, and the text that must stay in the page picture:
// what the tool does with each kind of text, read back by the independent reader.
#include "testpdf.h"
#include "toolrunner.h"

#include <gtest/gtest.h>

namespace {

using Summary = std::map<std::string, std::string>;

int count(Summary& s, const std::string& list)
{
    return s.count(list + ".length") ? std::stoi(s[list + ".length"]) : 0;
}

int glyphsInTexts(Summary& s)
{
    int glyphs = 0;
    for (int t = 0; t < count(s, "texts"); ++t)
        glyphs += std::stoi(s["texts." + std::to_string(t) + ".glyphs"]);
    return glyphs;
}

class VectorText : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string problem = ToolRunner::readerCommandProblem();
        if (!problem.empty())
            GTEST_SKIP() << "independent movie reader unavailable: " << problem;
    }

    Summary convert(TestPdf& pdf, std::vector<std::string> switches = {})
    {
        const std::string in = m_folder.file("in.pdf");
        const std::string out = m_folder.file("out.swf");
        pdf.save(in);
        std::vector<std::string> args = {in, "-o", out};
        args.insert(args.end(), switches.begin(), switches.end());
        const ToolResult r = ToolRunner::run(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        Summary s = ToolRunner::summary(out);
        EXPECT_EQ(s["error"], "");
        EXPECT_EQ(s["problems.length"], "0") << s["problems.0"];
        return s;
    }

    TemporaryFolder m_folder;
};

// One line of "Hello" in Helvetica, 24 points, with what comes before and after it.
struct TextCase {
    const char* name;
    std::string before;
    std::string textState; // inside BT ... ET, before the text is shown
    std::string after;
    int glyphsKept;    // glyphs shown as static text
    bool picture;      // whether the page keeps a picture
};

void PrintTo(const TextCase& c, std::ostream* os)
{
    *os << c.name;
}

class TextCases : public VectorText, public ::testing::WithParamInterface<TextCase> {};

TEST_P(TextCases, GlyphsStayTextOnlyWhereTheyLookTheSame)
{
    const TextCase& c = GetParam();
    TestPdf pdf;
    const std::string resources = pdf.textResources();
    pdf.addPage(200, 100, c.before + " BT /F1 24 Tf " + c.textState + " 20 40 Td (Hello) Tj ET " + c.after, {}, 0, resources);
    Summary s = convert(pdf);
    EXPECT_EQ(glyphsInTexts(s), c.glyphsKept);
    EXPECT_EQ(count(s, "bitmaps") > 0, c.picture);
    EXPECT_EQ(count(s, "fonts") > 0, c.glyphsKept > 0);

    // The raster-only mode keeps the whole page as one picture, text included.
    s = convert(pdf, {"-s", "rasteronly"});
    EXPECT_EQ(count(s, "texts"), 0);
    EXPECT_EQ(count(s, "bitmaps"), 1);
    EXPECT_EQ(s["bitmaps.0.width"], "200");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, TextCases,
    ::testing::Values(
        TextCase{"Filled", "", "", "", 5, false},
        TextCase{"HalfTransparent", "/Half gs", "", "", 5, false},
        TextCase{"OnAColouredBox", "1 0 0 rg 10 30 180 40 re f 0 g", "", "", 5, true},
        // Opaque paint of the glyphs' own colour over them looks the same in either order.
        TextCase{"CrossedByARuleOfItsColour", "", "", "0 g 10 45 180 2 re f", 5, true},
        TextCase{"Stroked", "", "1 Tr", "", 0, true},
        TextCase{"FilledAndStroked", "", "2 Tr", "", 0, true},
        TextCase{"ClippingWhatFollows", "", "4 Tr", "0 0 1 rg 0 0 200 100 re f", 0, true},
        TextCase{"Invisible", "", "3 Tr", "", 0, false},
        TextCase{"BlendModeMultiply", "/Multiply gs", "", "", 0, true},
        TextCase{"CoveredByLaterDrawing", "", "", "0 0 1 rg 10 30 180 40 re f", 0, true},
        TextCase{"CutByAClip", "q 0 50 200 50 re W n", "", "Q", 0, true},
        // The first glyph crosses the page edge; the others are whole.
        TextCase{"PartlyOffThePage", "", "-28 0 Td", "", 4, true},
        TextCase{"Type3Font", "", "/T3 24 Tf", "", 0, true}),
    [](const auto& info) { return info.param.name; });

TEST_F(VectorText, EachGlyphIsDefinedOncePerMovie)
{
    TestPdf pdf;
    const std::string resources = pdf.textResources();
    for (int i = 0; i < 3; ++i)
        pdf.addPage(200, 100, "BT /F1 24 Tf 20 40 Td (Hello) Tj ET", {}, 0, resources);
    pdf.addPage(200, 100, "BT /F1 24 Tf 20 40 Td (World) Tj ET", {}, 0, resources);
    Summary s = convert(pdf);
    // H e l o on the first page; the fourth adds W r d in a second part.
    ASSERT_EQ(count(s, "fonts"), 2);
    EXPECT_EQ(s["fonts.0.glyphs"], "4");
    EXPECT_EQ(s["fonts.1.glyphs"], "3");
    EXPECT_EQ(count(s, "texts"), 4);
    EXPECT_EQ(glyphsInTexts(s), 20);
    EXPECT_EQ(count(s, "bitmaps"), 0);
}

TEST_F(VectorText, SizesAndMirrorImagesShareTheGlyphsTurnsGetTheirOwnText)
{
    // Upright at two sizes and mirrored: one font, one text per direction. A quarter turn is
    // a text of its own (its font may differ: the rasteriser narrows a substitute font along
    // the page's x axis, which is the glyphs' y axis there).
    TestPdf pdf;
    const std::string resources = pdf.textResources();
    pdf.addPage(300, 300,
                "BT /F1 24 Tf 20 40 Td (Hello) Tj /F1 8 Tf 0 -20 Td (Hello) Tj ET"
                " BT /F1 24 Tf -1 0 0 1 280 200 Tm (Hello) Tj ET",
                {}, 0, resources);
    pdf.addPage(300, 300, "BT /F1 24 Tf 0 1 -1 0 250 40 Tm (Hello) Tj ET", {}, 0, resources);
    Summary s = convert(pdf);
    EXPECT_EQ(s["fonts.0.glyphs"], "4");
    EXPECT_LE(count(s, "fonts"), 2);
    ASSERT_EQ(count(s, "texts"), 3);
    EXPECT_EQ(s["texts.0.glyphs"], "10");
    EXPECT_EQ(s["texts.1.glyphs"], "5");
    EXPECT_EQ(s["texts.2.glyphs"], "5");
    EXPECT_EQ(count(s, "bitmaps"), 0);
}

TEST_F(VectorText, EveryFixtureReadsBackWithTextOnEveryPageThatHasSome)
{
    struct Fixture {
        const char* name;
        int pages;
    };
    for (const Fixture& f : {Fixture{"shared-mime-info-spec.pdf", 17}, Fixture{"upzhfandolfonts-test.pdf", 2},
                             Fixture{"test-jlreq.pdf", 2}, Fixture{"Dongguan.pdf", 1}, Fixture{"refcard-a4.pdf", 3},
                             Fixture{"TeXoutline.pdf", 1}}) {
        SCOPED_TRACE(f.name);
        const std::string out = m_folder.file("fixture.swf");
        const ToolResult r = ToolRunner::run({ToolRunner::fixture(f.name), "-o", out, "-s", "poly2bitmap", "-s", "zoom=100"});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        Summary s = ToolRunner::summary(out);
        ASSERT_EQ(s["error"], "");
        EXPECT_EQ(s["problems.length"], "0") << s["problems.0"];
        EXPECT_EQ(s["frameCount"], std::to_string(f.pages));
        // The TeX logo is drawn as shapes: no text at all.
        EXPECT_EQ(count(s, "texts") > 0, std::string(f.name) != "TeXoutline.pdf");
    }
}

TEST_F(VectorText, AFixturePageKeepsItsTextAndCropsItsPicture)
{
    // The first page of the landscape reference card: three columns of text and rules.
    const std::string out = m_folder.file("card.swf");
    const ToolResult r = ToolRunner::run({ToolRunner::fixture("refcard-a4.pdf"), "-o", out, "-p", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    Summary s = ToolRunner::summary(out);
    EXPECT_EQ(s["problems.length"], "0") << s["problems.0"];
    EXPECT_GT(glyphsInTexts(s), 2000);
    for (int b = 0; b < count(s, "bitmaps"); ++b) {
        const std::string bitmap = "bitmaps." + std::to_string(b);
        EXPECT_LT(std::stoi(s[bitmap + ".width"]) * std::stoi(s[bitmap + ".height"]), 842 * 595 / 2) << bitmap;
    }
}

} // namespace
