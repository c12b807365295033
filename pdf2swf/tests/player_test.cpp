// Frame 1 of converted movies as a real Flash player shows it (Ruffle in headless Chromium),
// against the page as pdftoppm renders it at the same resolution: text kept as glyphs must
// stand where the rasteriser puts it, at its size, with nothing of the page lost.
//
// Metric (player/frame-compare.mjs): both pictures smoothed by a 3x3 box blur, then the mean
// absolute difference per colour channel (0-255) over the pixels with ink in either picture,
// and the worst 16x16 tile of it. Anti-aliasing of glyph edges differs between the player and
// the rasteriser by about 2-4 (mean) and up to 8 (tile); the same page moved by one pixel
// differs by 11 or more (mean), a missing glyph by far more than 20 in its tile.
//
// Needs Chromium (apt-get install chromium) and the player's npm packages (npm install in
// pdf2swf/tests/player); skipped with the reason otherwise.
#include "toolrunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

namespace {

constexpr double maxMeanDifference = 6.0;
constexpr double maxTileDifference = 20.0;

struct PlayerCase {
    const char* name;
    const char* pdf;
    int page;
    int dpi;
    std::string switches; // blank-separated
    bool checkTiles;      // the simple viewer's buttons lie over the page
};

const PlayerCase cases[] = {
    {"Text72", "shared-mime-info-spec.pdf", 1, 72, "", true},
    {"Text150", "shared-mime-info-spec.pdf", 5, 150, "", true},
    {"Landscape", "refcard-a4.pdf", 1, 72, "", true},
    {"ChineseHorizontal", "upzhfandolfonts-test.pdf", 1, 72, "", true},
    {"ChineseVertical", "upzhfandolfonts-test.pdf", 2, 100, "", true},
    {"JapaneseVerticalNotEmbedded", "test-jlreq.pdf", 1, 72, "", true},
    {"ImageWithLabel", "Dongguan.pdf", 1, 150, "", true},
    {"OutlinesOnly", "TeXoutline.pdf", 1, 72, "", true},
    {"InTheViewer", "shared-mime-info-spec.pdf", 2, 72, "-B <viewer>", true},
    {"InTheSimpleViewer", "shared-mime-info-spec.pdf", 3, 72, "-s simpleviewer -t", false},
};

struct Measured {
    double mean = -1;
    double tile = -1;
    double shifted = -1;
    std::string line;
};

std::string playerProblem()
{
    const std::string dir = PDF2SWF_PLAYER_DIR;
    const char* chromium = std::getenv("CHROMIUM");
    if (!std::filesystem::exists(chromium && *chromium ? chromium : "/usr/bin/chromium"))
        return "Chromium is not installed (apt-get install chromium)";
    if (!std::filesystem::exists(dir + "/node_modules/@ruffle-rs/ruffle") || !std::filesystem::exists(dir + "/node_modules/playwright-core"))
        return "Ruffle is not installed (npm install in pdf2swf/tests/player)";
    if (!ToolRunner::readerCommandProblem().empty())
        return ToolRunner::readerCommandProblem();
    if (!ToolRunner::runProgram({"convert", "-version"}))
        return "ImageMagick is not installed";
    return {};
}

// One browser session for all cases: the player takes seconds to start.
std::map<std::string, Measured> measure(const std::string& folder, std::string& output)
{
    std::vector<std::string> args = {"node", std::string(PDF2SWF_PLAYER_DIR) + "/frame-compare.mjs", ToolRunner::toolPath(), folder};
    for (const PlayerCase& c : cases) {
        std::string switches = c.switches;
        if (const size_t at = switches.find("<viewer>"); at != std::string::npos)
            switches.replace(at, 8, ToolRunner::viewerPath());
        args.push_back("name=" + std::string(c.name) + ",pdf=" + ToolRunner::fixture(c.pdf) + ",page=" + std::to_string(c.page)
                       + ",dpi=" + std::to_string(c.dpi) + (switches.empty() ? "" : ",args=" + switches));
    }
    const ToolResult r = ToolRunner::runCaptured(args);
    output = r.out + r.err;
    std::map<std::string, Measured> results;
    std::istringstream lines(r.out);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        Measured m;
        m.line = line;
        std::istringstream fields(line.substr(eq + 1));
        std::string field;
        fields >> m.mean;
        while (fields >> field) {
            if (field.rfind("tile=", 0) == 0)
                m.tile = std::stod(field.substr(5));
            else if (field.rfind("shifted=", 0) == 0)
                m.shifted = std::stod(field.substr(8));
        }
        results[line.substr(0, eq)] = m;
    }
    return results;
}

TEST(PlayerFrames, FrameOneMatchesTheRasterisedPage)
{
    const std::string problem = playerProblem();
    if (!problem.empty())
        GTEST_SKIP() << "no real player to check with: " << problem;
    TemporaryFolder folder;
    std::string output;
    const std::map<std::string, Measured> results = measure(folder.path(), output);
    for (const PlayerCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(results.count(c.name)) << output;
        const Measured& m = results.at(c.name);
        ASSERT_GE(m.mean, 0) << m.line;
        EXPECT_LE(m.mean, maxMeanDifference) << m.line;
        if (c.checkTiles) {
            EXPECT_LE(m.tile, maxTileDifference) << m.line;
        }
        // The metric tells a page one pixel off from a matching one.
        EXPECT_GT(m.shifted, 2 * maxMeanDifference) << m.line;
    }
}

} // namespace
