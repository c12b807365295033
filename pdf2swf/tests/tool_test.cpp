// The converter as the application runs it: argument vectors, progress on standard output,
// exit status, the movie read back by an independent reader, and what is left on disk when
// a run fails or is killed.
#include "moviepictures.h"
#include "testpdf.h"
#include "toolrunner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <set>
#include <thread>

namespace {

const std::string mimeSpec = "shared-mime-info-spec.pdf"; // 17 pages, 609.714 x 789.041 points

int pixels(double points, int dpi)
{
    return static_cast<int>(points * dpi / 72.0 + 0.5);
}

std::string progressFor(std::initializer_list<int> pages)
{
    std::string text;
    for (int p : pages)
        text += "page " + std::to_string(p) + "\n";
    return text;
}

class ReaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string problem = ToolRunner::readerCommandProblem();
        if (!problem.empty())
            GTEST_SKIP() << "independent movie reader unavailable: " << problem;
    }
    TemporaryFolder m_folder;
};

using Summary = std::map<std::string, std::string>;

// The three command lines the application builds, with their switches in its order, on
// the pages 1-3 and 5 of a text document.
struct OutputType {
    const char* name;
    std::vector<std::string> switches;
    int dpi;
    double frameRate;
    bool stops;
    int buttons;
    bool viewer;
};

void PrintTo(const OutputType& type, std::ostream* os)
{
    *os << type.name;
}

class OutputTypes : public ReaderTest, public ::testing::WithParamInterface<OutputType> {};

TEST_P(OutputTypes, MovieHoldsTheSelectedPagesWithTheirControls)
{
    const OutputType& type = GetParam();
    const std::string out = m_folder.file("out.swf");
    std::vector<std::string> args = {ToolRunner::fixture(mimeSpec), "-o", out, "-s", "poly2bitmap", "-s",
                                     "languagedir=" + m_folder.path() + "/RC2"};
    for (std::string s : type.switches)
        args.push_back(s == "<viewer>" ? ToolRunner::viewerPath() : s);

    const ToolResult r = ToolRunner::run(args);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, progressFor({1, 2, 3, 5}));
    EXPECT_EQ(r.err, "");

    Summary s = ToolRunner::summary(out);
    ASSERT_EQ(s["error"], "");
    EXPECT_EQ(s["problems.length"], "0") << s["problems.0"];
    EXPECT_EQ(s["signature"], "CWS");
    EXPECT_EQ(s["version"], "8");
    EXPECT_EQ(s["frameCount"], "4");
    EXPECT_EQ(s["frames.length"], "4");
    EXPECT_EQ(std::stod(s["frameRate"]), type.frameRate);
    const int pageWidth = pixels(609.714, type.dpi);
    const int pageHeight = pixels(789.041, type.dpi);
    EXPECT_EQ(s["stage.xMax"], std::to_string(20 * pageWidth));
    EXPECT_EQ(s["stage.yMax"], std::to_string(20 * (pageHeight + (type.viewer ? 32 : 0))));
    // Every frame shows its page's text as static text in embedded fonts, whatever the
    // output type, and nothing of the page before.
    EXPECT_NE(s["fonts.length"], "0");
    EXPECT_EQ(s["fonts.0.emSquareSize"], "1024");
    for (int f = 0; f < 4; ++f) {
        const std::string frame = "frames." + std::to_string(f);
        EXPECT_EQ(s[frame + ".stop"], type.stops ? "true" : "false") << "frame " << f;
        EXPECT_NE(s[frame + ".placed.length"], "0") << "frame " << f;
        const int controls = type.buttons + (type.viewer ? 1 : 0);
        EXPECT_EQ(std::stoi(s[frame + ".onStage.length"]), std::stoi(s[frame + ".placed.length"]) + (f ? controls : 0))
            << "frame " << f;
    }
    std::set<std::string> textIds;
    for (int t = 0; s.count("texts." + std::to_string(t) + ".id"); ++t)
        textIds.insert(s["texts." + std::to_string(t) + ".id"]);
    for (int f = 0; f < 4; ++f) {
        int placedTexts = 0;
        for (int p = 0; s.count("frames." + std::to_string(f) + ".placed." + std::to_string(p) + ".characterId"); ++p)
            placedTexts += textIds.count(s["frames." + std::to_string(f) + ".placed." + std::to_string(p) + ".characterId"]);
        EXPECT_GE(placedTexts, 1) << "frame " << f;
    }

    if (type.buttons == 2) {
        // Previous and next, by click and by the left and right arrow keys.
        ASSERT_EQ(s["buttons.length"], "2");
        EXPECT_EQ(s["buttons.0.actions.0.key"], "1");
        EXPECT_EQ(s["buttons.0.actions.0.onRelease"], "true");
        EXPECT_EQ(s["buttons.0.actions.0.code.0"], "previousFrame");
        EXPECT_EQ(s["buttons.1.actions.0.key"], "2");
        EXPECT_EQ(s["buttons.1.actions.0.code.0"], "nextFrame");
        EXPECT_EQ(s["frames.0.placed.0.name"], "previousPage"); // then the page's objects
        EXPECT_EQ(s["frames.0.placed.1.name"], "nextPage");
    } else if (!type.viewer) {
        EXPECT_EQ(s["buttons.length"], "0");
    }
    if (type.viewer) {
        // First, previous, next, last, each turning the pages' timeline; a counter field and a
        // two-frame clip that keeps it up to date.
        ASSERT_EQ(s["buttons.length"], "4");
        const char* expected[] = {"setTarget(\"_root\") gotoFrame(0) setTarget(\"\")",
                                  "setTarget(\"_root\") previousFrame setTarget(\"\")",
                                  "setTarget(\"_root\") nextFrame setTarget(\"\")",
                                  "push(\"_root\") push(5) getProperty setTarget(\"_root\") gotoFrame2(play=0) setTarget(\"\")"};
        for (int b = 0; b < 4; ++b) {
            std::string code;
            for (int i = 0; s.count("buttons." + std::to_string(b) + ".actions.0.code." + std::to_string(i)); ++i)
                code += (i ? " " : "") + s["buttons." + std::to_string(b) + ".actions.0.code." + std::to_string(i)];
            EXPECT_EQ(code, expected[b]) << "button " << b;
        }
        EXPECT_EQ(s["editTexts.0.variableName"], "pageCounter");
        ASSERT_EQ(s["sprites.length"], "1");
        EXPECT_EQ(s["sprites.0.frameCount"], "2");
        EXPECT_EQ(s["frames.0.placed.0.name"], "viewer");
        EXPECT_EQ(s["frames.0.placed.0.y"], std::to_string(20 * pageHeight)); // below the page
    }
}

INSTANTIATE_TEST_SUITE_P(
    ApplicationCommandLines, OutputTypes,
    ::testing::Values(
        OutputType{"AutoPlay", {"-p", "1-3,5-5", "-s", "zoom=72", "-s", "framerate=2"}, 72, 2, false, 0, false},
        OutputType{"SimpleViewer", {"-s", "simpleviewer", "-t", "-p", "1-3,5-5", "-s", "zoom=150"}, 150, 12, true, 2, false},
        OutputType{"Viewer", {"-B", "<viewer>", "-p", "1-3,5-5", "-s", "zoom=72"}, 72, 12, true, 0, true},
        // The same switches in another order mean the same.
        OutputType{"Reordered", {"-s", "framerate=2.5", "-p", "1-3,5", "-s", "zoom=36", "-t"}, 36, 2.5, true, 0, false}),
    [](const auto& info) { return info.param.name; });

TEST_F(ReaderTest, FramesFollowTheOrderOfTheRanges)
{
    // Pages of three widths tell the frames apart.
    TestPdf pdf;
    pdf.addPage(100, 50, "");
    pdf.addPage(200, 50, "");
    pdf.addPage(300, 50, "");
    const std::string in = m_folder.file("three.pdf");
    pdf.save(in);
    const std::string out = m_folder.file("three.swf");
    const ToolResult r = ToolRunner::run({in, "-o", out, "-p", "3-3,1-2", "-s", "rasteronly"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, progressFor({3, 1, 2}));
    Summary s = ToolRunner::summary(out);
    EXPECT_EQ(s["bitmaps.0.width"], "300");
    EXPECT_EQ(s["bitmaps.1.width"], "100");
    EXPECT_EQ(s["bitmaps.2.width"], "200");
    EXPECT_EQ(s["stage.xMax"], "6000"); // the widest page
    EXPECT_EQ(s["frames.1.placed.0.x"], "2000"); // narrower pages are centred
    EXPECT_EQ(s["problems.length"], "0") << s["problems.0"];
}

TEST_F(ReaderTest, PagesPastTheEndAreSkippedWithAWarning)
{
    const std::string out = m_folder.file("refcard.swf");
    const ToolResult r = ToolRunner::run({ToolRunner::fixture("refcard-a4.pdf"), "-o", out, "-p", "2-9,1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, progressFor({2, 3, 1}));
    EXPECT_NE(r.err.find("warning"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("4-9"), std::string::npos) << r.err;
    EXPECT_EQ(ToolRunner::summary(out)["frameCount"], "3");
}

TEST_F(ReaderTest, PathsWithBlanksQuotesAndNonAsciiLetters)
{
    const std::string folder = m_folder.file("Ordner mit 'Leer' \"zeichen\" ü 東莞");
    std::filesystem::create_directory(folder);
    const std::string in = folder + "/doc \"1\" 'ß'.pdf";
    std::filesystem::copy_file(ToolRunner::fixture("Dongguan.pdf"), in);
    const std::string out = folder + "/résultat 1 'x'.swf";
    const ToolResult r = ToolRunner::run({in, "-o", out, "-s", "languagedir=" + folder, "-p", "1-1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ToolRunner::summary(out)["frameCount"], "1");
}

TEST_F(ReaderTest, LargePagesSplitTheirOutlineAndLimitTheBitmap)
{
    // 600 dpi on an A4 landscape page: edges longer than one shape record can hold.
    const std::string out = m_folder.file("big.swf");
    ToolResult r = ToolRunner::run({ToolRunner::fixture("refcard-a4.pdf"), "-o", out, "-p", "1", "-s", "zoom=600", "-s", "rasteronly"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    Summary s = ToolRunner::summary(out);
    EXPECT_EQ(s["problems.length"], "0") << s["problems.0"];
    EXPECT_EQ(s["bitmaps.0.width"], std::to_string(pixels(841.89, 600)));

    // A poster larger than players take is rendered smaller and shown scaled up.
    TestPdf poster;
    poster.addPage(2000, 1000, TestPdf::colourBlocks());
    const std::string in = m_folder.file("poster.pdf");
    poster.save(in);
    r = ToolRunner::run({in, "-o", out, "-s", "zoom=600", "-s", "rasteronly"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    s = ToolRunner::summary(out);
    EXPECT_EQ(s["problems.length"], "0") << s["problems.0"];
    EXPECT_LE(std::stoi(s["bitmaps.0.width"]), 8191);
    EXPECT_EQ(s["stage.xMax"], std::to_string(20 * pixels(2000, 600)));
}

// In the raster-only mode, frame 1 holds the page as the reference rasteriser draws it, for
// text, CJK text with a font the document does not embed, flat colours, and a photo-like
// picture.
struct ReferenceCase {
    const char* name;
    std::string pdf; // fixture name, or empty for a generated page
    bool photo;
    double tolerance;
};

void PrintTo(const ReferenceCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReferencePictures : public ReaderTest, public ::testing::WithParamInterface<ReferenceCase> {};

TEST_P(ReferencePictures, FrameOneShowsThePage)
{
    const ReferenceCase& c = GetParam();
    std::string in = c.pdf.empty() ? m_folder.file("generated.pdf") : ToolRunner::fixture(c.pdf);
    if (c.pdf.empty()) {
        TestPdf pdf;
        if (c.photo)
            pdf.addPage(120, 100, "q 100 0 0 80 10 10 cm /Im0 Do Q\n", TestPdf::noise(100, 80));
        else
            pdf.addPage(120, 100, TestPdf::colourBlocks());
        pdf.save(in);
    }
    const std::string out = m_folder.file("page.swf");
    const ToolResult r = ToolRunner::run({in, "-o", out, "-p", "1-1", "-s", "zoom=100", "-s", "rasteronly"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    ASSERT_TRUE(ToolRunner::runProgram({"pdftoppm", "-r", "100", "-f", "1", "-l", "1", "-cropbox", "-singlefile", in,
                                        m_folder.file("reference")}));
    const RgbPicture reference = readPpm(m_folder.file("reference.ppm"));
    const RgbPicture frame = pagePicture(out, 0);
    EXPECT_LE(meanDifference(frame, reference), c.tolerance) << frame.kind << " " << frame.width << "x" << frame.height;
    if (c.photo)
        EXPECT_NE(frame.kind, "palette");
    else
        EXPECT_EQ(frame.kind, "palette");
}

INSTANTIATE_TEST_SUITE_P(Pages, ReferencePictures,
                         ::testing::Values(ReferenceCase{"Text", mimeSpec, false, 0.0},
                                           ReferenceCase{"Chinese", "upzhfandolfonts-test.pdf", false, 0.0},
                                           ReferenceCase{"JapaneseNotEmbedded", "test-jlreq.pdf", false, 0.0},
                                           ReferenceCase{"Colours", "", false, 0.0},
                                           ReferenceCase{"Photo", "", true, 4.0}),
                         [](const auto& info) { return info.param.name; });

// Every bad input ends with one line naming the file and the cause, a non-zero status,
// no new file, and an older file of the same name untouched.
struct BadInput {
    const char* name;
    std::vector<std::string> args; // "<in>" / "<out>" stand for the prepared paths
    std::string inputKind;         // how "<in>" is made
    std::string message;           // part of the message
    std::string named;             // the file the message names
};

void PrintTo(const BadInput& c, std::ostream* os)
{
    *os << c.name;
}

class BadInputs : public ::testing::TestWithParam<BadInput> {
protected:
    TemporaryFolder m_folder;
};

TEST_P(BadInputs, FailWithOneLineAndLeaveNoFile)
{
    const BadInput& c = GetParam();
    const std::string fixture = ToolRunner::fixture(mimeSpec);
    std::string in = m_folder.file("input file.pdf");
    const std::string original = readFile(fixture);
    if (c.inputKind == "good")
        writeFile(in, original);
    else if (c.inputKind == "truncated")
        writeFile(in, original.substr(0, original.size() / 3));
    else if (c.inputKind == "text")
        writeFile(in, "This is not a PDF document.\n");
    else if (c.inputKind == "encrypted") {
        ASSERT_TRUE(ToolRunner::runProgram({"qpdf", "--encrypt", "user", "owner", "256", "--", fixture, in}));
    }
    const std::string out = m_folder.file("out.swf");

    auto expand = [&](const std::string& arg) {
        std::string a = arg;
        for (const auto& [key, value] : {std::pair{std::string("<in>"), in}, {std::string("<out>"), out},
                                         {std::string("<dir>"), m_folder.path()}})
            for (size_t at; (at = a.find(key)) != std::string::npos;)
                a.replace(at, key.size(), value);
        return a;
    };
    std::vector<std::string> args;
    for (const std::string& a : c.args)
        args.push_back(expand(a));
    const std::string named = expand(c.named);
    const bool outputInFolder = std::find(args.begin(), args.end(), out) != args.end();

    for (bool olderFile : {false, true}) {
        if (olderFile && !outputInFolder)
            continue;
        std::filesystem::remove(out);
        if (olderFile)
            writeFile(out, "older movie");
        const auto before = folderEntries(m_folder.path());
        const ToolResult r = ToolRunner::run(args);
        EXPECT_NE(r.exitCode, 0);
        EXPECT_GT(r.exitCode, 0) << "a failure is an exit, not a crash";
        EXPECT_EQ(r.out, "");
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
        EXPECT_EQ(folderEntries(m_folder.path()), before) << "nothing new in the folder";
        if (olderFile)
            EXPECT_EQ(readFile(out), "older movie");
        else
            EXPECT_FALSE(fileExists(out));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BadInputs,
    ::testing::Values(
        BadInput{"MissingPdf", {"<dir>/none.pdf", "-o", "<out>"}, "none", "No such file", "<dir>/none.pdf"},
        BadInput{"TruncatedPdf", {"<in>", "-o", "<out>"}, "truncated", "damaged", "<in>"},
        BadInput{"NotAPdf", {"<in>", "-o", "<out>"}, "text", "not a PDF", "<in>"},
        BadInput{"PasswordProtected", {"<in>", "-o", "<out>"}, "encrypted", "password-protected", "<in>"},
        BadInput{"UnknownSwitch", {"<in>", "-o", "<out>", "-x"}, "good", "unknown switch", "-x"},
        BadInput{"UnknownSetting", {"<in>", "-o", "<out>", "-s", "bitmapfonts"}, "good", "unknown setting", "bitmapfonts"},
        BadInput{"ZoomTooSmall", {"<in>", "-o", "<out>", "-s", "zoom=0"}, "good", "out of range", "zoom"},
        BadInput{"ZoomTooLarge", {"<in>", "-o", "<out>", "-s", "zoom=601"}, "good", "out of range", "zoom"},
        BadInput{"ZoomNotANumber", {"<in>", "-o", "<out>", "-s", "zoom=7x"}, "good", "out of range", "zoom"},
        BadInput{"FrameRateZero", {"<in>", "-o", "<out>", "-s", "framerate=0"}, "good", "out of range", "frame rate"},
        BadInput{"FrameRateTooHigh", {"<in>", "-o", "<out>", "-s", "framerate=300"}, "good", "out of range", "frame rate"},
        BadInput{"ReversedRange", {"<in>", "-o", "<out>", "-p", "5-3"}, "good", "bad page range", "5-3"},
        BadInput{"NoPageLeft", {"<in>", "-o", "<out>", "-p", "18-20"}, "good", "no page", "<in>"},
        BadInput{"MissingOutputFolder", {"<in>", "-o", "<dir>/missing/out.swf"}, "good", "No such file", "<dir>/missing"},
        BadInput{"UnwritableOutputFolder", {"<in>", "-o", "/proc/out.swf"}, "good", "output folder", "/proc"},
        BadInput{"OutputIsAFolder", {"<in>", "-o", "<dir>"}, "good", "folder", "<dir>"},
        BadInput{"MissingViewer", {"<in>", "-o", "<out>", "-B", "<dir>/none.swf"}, "good", "viewer", "<dir>/none.swf"},
        BadInput{"ViewerNotAMovie", {"<in>", "-o", "<out>", "-B", "<in>"}, "good", "unusable viewer", "<in>"}),
    [](const auto& info) { return info.param.name; });

TEST(ToolCommandLine, HelpAndVersion)
{
    ToolResult r = ToolRunner::run({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("Usage: pdf2swf"), std::string::npos);
    r = ToolRunner::run({"--version"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind("pdf2swf ", 0), 0u) << r.out;
}

// A run killed at any moment leaves no movie, or the older one, under the output name:
// progress is read as it comes (so it is flushed at once), then the tool is killed.
TEST(KilledRun, LeavesNoPartialMovie)
{
    TemporaryFolder folder;
    const std::string in = folder.file("long.pdf");
    const std::string fixture = ToolRunner::fixture(mimeSpec);
    ASSERT_TRUE(ToolRunner::runProgram({"qpdf", "--empty", "--pages", fixture, fixture, fixture, fixture, "--", in}));
    const std::string out = folder.file("long.swf");

    for (bool olderFile : {false, true}) {
        if (olderFile)
            writeFile(out, "older movie");
        const auto before = folderEntries(folder.path());
        ToolRunner::Running running = ToolRunner::start({in, "-o", out, "-s", "zoom=200"});
        std::string seen;
        ASSERT_TRUE(ToolRunner::readUntil(running, "page 12\n", seen)) << seen;
        kill(running.pid, SIGKILL);
        EXPECT_EQ(ToolRunner::wait(running), -SIGKILL);
        EXPECT_EQ(folderEntries(folder.path()), before);
        if (olderFile)
            EXPECT_EQ(readFile(out), "older movie");
        else
            EXPECT_FALSE(fileExists(out));
    }
    // Left alone, the same run replaces the older file.
    const ToolResult r = ToolRunner::run({in, "-o", out, "-p", "1-2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(readFile(out).substr(0, 3), "CWS");
}

} // namespace
