// Reading the command line and page selections.
#include "commandline.h"
#include "pagerange.h"

#include <gtest/gtest.h>

namespace {

using pdf2swf::CommandLine;
using pdf2swf::PageRange;

TEST(CommandLine, TheThreeApplicationFormsInAnyOrder)
{
    const std::string base[] = {"/a b/doc ü.pdf", "-o", "/out/doc ü.swf", "-s", "poly2bitmap", "-s", "languagedir=/app/RC2"};
    auto parse = [&](std::vector<std::string> tail, bool reversed) {
        std::vector<std::string> args(std::begin(base), std::end(base));
        if (reversed)
            args.insert(args.begin(), tail.begin(), tail.end());
        else
            args.insert(args.end(), tail.begin(), tail.end());
        return CommandLine::parse(args);
    };
    for (bool reversed : {false, true}) {
        auto r = parse({"-p", "1-12", "-s", "zoom=72", "-s", "framerate=2"}, reversed);
        ASSERT_EQ(r.request, CommandLine::Request::Convert) << r.error;
        EXPECT_EQ(r.options.pdfPath, "/a b/doc ü.pdf");
        EXPECT_EQ(r.options.outputPath, "/out/doc ü.swf");
        EXPECT_EQ(r.options.languageDir, "/app/RC2");
        EXPECT_EQ(r.options.ranges, (std::vector<PageRange>{{1, 12}}));
        EXPECT_EQ(r.options.zoomDpi, 72);
        EXPECT_EQ(r.options.framesPerSecond, 2);
        EXPECT_FALSE(r.options.stopEachFrame || r.options.simpleViewer || !r.options.viewerPath.empty());
        EXPECT_EQ(r.options.textMode, pdf2swf::TextMode::Outlines);

        r = parse({"-s", "simpleviewer", "-t", "-p", "5-5", "-s", "zoom=150"}, reversed);
        ASSERT_EQ(r.request, CommandLine::Request::Convert) << r.error;
        EXPECT_TRUE(r.options.simpleViewer);
        EXPECT_TRUE(r.options.stopEachFrame);
        EXPECT_EQ(r.options.zoomDpi, 150);
        EXPECT_FALSE(r.options.framesPerSecond);

        r = parse({"-B", "/app//swfs/rfxview.swf", "-p", "1-3", "-s", "zoom=600"}, reversed);
        ASSERT_EQ(r.request, CommandLine::Request::Convert) << r.error;
        EXPECT_EQ(r.options.viewerPath, "/app//swfs/rfxview.swf");

        // The raster-only mode, whichever side of poly2bitmap it stands.
        r = parse({"-s", "rasteronly"}, reversed);
        ASSERT_EQ(r.request, CommandLine::Request::Convert) << r.error;
        EXPECT_EQ(r.options.textMode, pdf2swf::TextMode::Picture);
    }
}

TEST(CommandLine, HelpVersionAndMistakes)
{
    EXPECT_EQ(CommandLine::parse({"--help"}).request, CommandLine::Request::Help);
    EXPECT_EQ(CommandLine::parse({"a.pdf", "--version"}).request, CommandLine::Request::Version);
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{}, "no input"},
        {{"a.pdf"}, "no output"},
        {{"a.pdf", "-o"}, "-o needs"},
        {{"a.pdf", "b.pdf", "-o", "x.swf"}, "more than one input"},
        {{"a.pdf", "-o", "x.swf", "-q"}, "unknown switch '-q'"},
        {{"a.pdf", "-o", "x.swf", "-s", "zoom"}, "unknown setting"},
        {{"a.pdf", "-o", "x.swf", "-s", "simpleviewer=1"}, "unknown setting"},
        {{"a.pdf", "-o", "x.swf", "-s", "rasteronly=1"}, "unknown setting"},
        {{"a.pdf", "-o", "x.swf", "-s", "zoom=19.9"}, "zoom '19.9' is out of range (20 to 600 dpi)"},
        {{"a.pdf", "-o", "x.swf", "-s", "zoom="}, "out of range"},
        {{"a.pdf", "-o", "x.swf", "-s", "zoom=1e2"}, "out of range"},
        {{"a.pdf", "-o", "x.swf", "-s", "framerate=0"}, "frame rate '0' is out of range (0.01 to 255"},
        {{"a.pdf", "-o", "x.swf", "-s", "framerate=-2"}, "out of range"},
        {{"a.pdf", "-o", "x.swf", "-p", "0-3"}, "bad page range"},
        {{"a.pdf", "-o", "x.swf", "-p"}, "-p needs"},
        {{"a.pdf", "-o", "x.swf", "-B"}, "-B needs"},
    };
    for (const Case& c : cases) {
        const auto r = CommandLine::parse(c.args);
        EXPECT_EQ(r.request, CommandLine::Request::Invalid) << c.message;
        EXPECT_NE(r.error.find(c.message), std::string::npos) << r.error;
        EXPECT_EQ(r.error.find('\n'), std::string::npos);
    }
}

TEST(CommandLine, DecimalRatesAndResolutions)
{
    const auto r = CommandLine::parse({"a.pdf", "-o", "x.swf", "-s", "framerate=29.97", "-s", "zoom=96.5"});
    ASSERT_EQ(r.request, CommandLine::Request::Convert) << r.error;
    EXPECT_DOUBLE_EQ(*r.options.framesPerSecond, 29.97);
    EXPECT_DOUBLE_EQ(r.options.zoomDpi, 96.5);
}

TEST(PageRanges, ParsesCommaListsAndRejectsMalformedText)
{
    struct Case {
        const char* text;
        std::optional<std::vector<PageRange>> ranges;
    };
    const Case cases[] = {
        {"1-3,5-7", std::vector<PageRange>{{1, 3}, {5, 7}}},
        {"5-5", std::vector<PageRange>{{5, 5}}},
        {"4", std::vector<PageRange>{{4, 4}}},
        {"3-3,1-2", std::vector<PageRange>{{3, 3}, {1, 2}}},
        {"", std::nullopt},
        {"1-", std::nullopt},
        {"-3", std::nullopt},
        {"3-1", std::nullopt},
        {"0", std::nullopt},
        {"1,,2", std::nullopt},
        {"1-2,", std::nullopt},
        {"1 - 2", std::nullopt},
        {"a-b", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pdf2swf::parsePageRanges(c.text), c.ranges) << '"' << c.text << '"';
}

TEST(PageRanges, SelectionKeepsRangeOrderAndSkipsPagesPastTheEnd)
{
    const auto s = pdf2swf::selectPages({{3, 3}, {1, 2}, {4, 9}, {12, 14}}, 5);
    EXPECT_EQ(s.pages, (std::vector<int>{3, 1, 2, 4, 5}));
    EXPECT_EQ(s.skipped, (std::vector<PageRange>{{6, 9}, {12, 14}}));
    EXPECT_EQ(pdf2swf::rangesText(s.skipped), "6-9,12-14");
    EXPECT_TRUE(pdf2swf::selectPages({{6, 8}}, 5).pages.empty());
}

} // namespace
