// Opening, counting and closing through the C interface, on the real fixtures and on broken
// copies of them made here.

#include "rasterpdf/rasterpdf.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <latch>
#include <set>
#include <thread>

using testfiles::TempDir;

namespace {

std::filesystem::path firstFixture()
{
    return testfiles::fixturesDir() / "refcard-a4.pdf";
}

// qpdf exits with 3 when it only warns.
bool qpdfEncrypt(const std::filesystem::path &in, const std::filesystem::path &out, const std::string &user,
                 const std::string &owner)
{
    const int status = testfiles::run({"qpdf", "--encrypt", user, owner, "256", "--", in.string(), out.string()});
    return status == 0 || status == 3;
}

TEST(RasterPdfOpen, FixturePageCountsMatchPdfinfo)
{
    const auto pdfs = testfiles::fixturePdfs();
    ASSERT_FALSE(pdfs.empty()) << "no fixtures in " << testfiles::fixturesDir();
    for (const auto &pdf : pdfs) {
        SCOPED_TRACE(pdf.string());
        const int expected = testfiles::pdfinfoPages(pdf);
        ASSERT_GT(expected, 0);
        const int32_t handle = OpenPDF(pdf.c_str(), 0);
        ASSERT_GE(handle, 1);
        EXPECT_EQ(GetPageCount(handle), expected);
        ClosePDF(handle);
        EXPECT_EQ(GetPageCount(handle), -1) << "a closed handle still answers";
    }
}

TEST(RasterPdfOpen, RefusesWhatIsNotAnOpenablePdf)
{
    TempDir dir;
    const std::string original = testfiles::readFile(firstFixture());
    ASSERT_GT(original.size(), 1000u);

    testfiles::writeFile(dir.file("empty.pdf"), "");
    // Only the header survives: nothing to reconstruct from.
    testfiles::writeFile(dir.file("header-only.pdf"), original.substr(0, 64));
    testfiles::writeFile(dir.file("text.pdf"), "This is a plain text file, renamed.\n");
    testfiles::writeFile(dir.file("png.pdf"), std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    std::filesystem::create_directory(dir.file("folder.pdf"));
    ASSERT_TRUE(qpdfEncrypt(firstFixture(), dir.file("user-password.pdf"), "secret", "owner"));

    const struct {
        const char *name;
        std::string path;
    } cases[] = {
        {"missing file", dir.file("missing.pdf").string()},
        {"folder", dir.file("folder.pdf").string()},
        {"zero bytes", dir.file("empty.pdf").string()},
        {"truncated to its header", dir.file("header-only.pdf").string()},
        {"text renamed .pdf", dir.file("text.pdf").string()},
        {"image renamed .pdf", dir.file("png.pdf").string()},
        {"needs a user password", dir.file("user-password.pdf").string()},
        {"empty path", ""},
        {"device", "/dev/null"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t handle = OpenPDF(c.path.c_str(), 0);
        EXPECT_LT(handle, 0);
        ClosePDF(handle);
    }
    EXPECT_LT(OpenPDF(nullptr, 0), 0);
    EXPECT_EQ(OpenPDF(dir.file("user-password.pdf").c_str(), 0), RASTERPDF_LOCKED);
}

// A file cut in half may or may not be repaired by the engine; either way it must not crash,
// and whatever it opens must be drawable.
TEST(RasterPdfOpen, HalfTruncatedFileIsRefusedOrUsable)
{
    TempDir dir;
    for (const auto &pdf : testfiles::fixturePdfs()) {
        SCOPED_TRACE(pdf.string());
        const std::string bytes = testfiles::readFile(pdf);
        const auto cut = dir.file("cut.pdf");
        testfiles::writeFile(cut, bytes.substr(0, bytes.size() / 2));
        const int32_t handle = OpenPDF(cut.c_str(), 0);
        if (handle > 0) {
            std::vector<uint32_t> pixels(50 * 50);
            const RasterDC dc{pixels.data(), 50, 50, 50 * 4};
            for (int page = 1; page <= GetPageCount(handle); ++page)
                RenderDC(&dc, handle, page, 40, 0, 0, 50, 50);
        }
        ClosePDF(handle);
    }
}

TEST(RasterPdfOpen, OwnerPasswordAloneDoesNotLock)
{
    TempDir dir;
    const auto encrypted = dir.file("owner-only.pdf");
    ASSERT_TRUE(qpdfEncrypt(firstFixture(), encrypted, "", "owner"));
    const int32_t handle = OpenPDF(encrypted.c_str(), 0);
    ASSERT_GE(handle, 1);
    EXPECT_EQ(GetPageCount(handle), testfiles::pdfinfoPages(firstFixture()));
    ClosePDF(handle);
}

TEST(RasterPdfOpen, OpensPathsWithSpacesQuotesAndNonAsciiLetters)
{
    TempDir dir;
    const auto folder = dir.file("folder with spaces 'and' \"quotes\"");
    std::filesystem::create_directory(folder);
    const auto pdf = folder / "Übersicht – 文件 \"2\" l'été.pdf";
    std::filesystem::copy_file(firstFixture(), pdf);
    const int32_t handle = OpenPDF(pdf.c_str(), 0);
    ASSERT_GE(handle, 1);
    EXPECT_EQ(GetPageCount(handle), 3);
    ClosePDF(handle);
}

TEST(RasterPdfHandles, ManyDocumentsOpenAtOnceHaveDistinctHandles)
{
    const auto pdfs = testfiles::fixturePdfs();
    std::vector<std::pair<int32_t, int>> open; // handle, expected pages
    std::set<int32_t> seen;
    for (int round = 0; round < 4; ++round) {
        for (const auto &pdf : pdfs) {
            const int32_t handle = OpenPDF(pdf.c_str(), 0);
            ASSERT_GE(handle, 1);
            EXPECT_TRUE(seen.insert(handle).second) << "handle " << handle << " given twice";
            open.emplace_back(handle, testfiles::pdfinfoPages(pdf));
        }
    }
    for (const auto &[handle, pages] : open)
        EXPECT_EQ(GetPageCount(handle), pages);
    for (const auto &[handle, pages] : open)
        ClosePDF(handle);
    for (const auto &[handle, pages] : open)
        EXPECT_EQ(GetPageCount(handle), -1);

    // A handle once closed is not handed out again soon, so a stale one reaches nothing.
    const int32_t next = OpenPDF(pdfs.front().c_str(), 0);
    EXPECT_EQ(seen.count(next), 0u);
    ClosePDF(next);
}

TEST(RasterPdfHandles, CloseAcceptsAnyHandle)
{
    const int32_t handle = OpenPDF(firstFixture().c_str(), 0);
    ASSERT_GE(handle, 1);
    for (int32_t ignored : {0, -1, -2147483647 - 1, 2147483647, handle + 1000})
        ClosePDF(ignored);
    EXPECT_EQ(GetPageCount(handle), 3) << "closing another handle closed this one";
    ClosePDF(handle);
    ClosePDF(handle);
    EXPECT_EQ(GetPageCount(0), -1);
    EXPECT_EQ(GetPageCount(-5), -1);
}

// The adding thread opens, counts and closes while the window thread renders another document.
// Both threads start together and run long enough to overlap many times; the pixels each one
// draws must equal a drawing made alone.
TEST(RasterPdfConcurrency, TwoThreadsUseDifferentDocumentsAtOnce)
{
    const auto pdfs = testfiles::fixturePdfs();
    ASSERT_GE(pdfs.size(), 2u);
    constexpr int width = 168;
    constexpr int height = 194;

    const int32_t preview = OpenPDF((testfiles::fixturesDir() / "shared-mime-info-spec.pdf").c_str(), 0);
    ASSERT_GE(preview, 1);
    const int previewPages = GetPageCount(preview);
    std::vector<std::vector<uint32_t>> expected;
    for (int page = 1; page <= previewPages; ++page) {
        std::vector<uint32_t> pixels(width * height);
        const RasterDC dc{pixels.data(), width, height, width * 4};
        RenderDC(&dc, preview, page, 40, 0, 0, width, height);
        expected.push_back(std::move(pixels));
    }
    std::vector<int> expectedCounts;
    for (const auto &pdf : pdfs)
        expectedCounts.push_back(testfiles::pdfinfoPages(pdf));

    std::latch start(2);
    std::atomic<int> countMismatches{0};
    std::atomic<int> pixelMismatches{0};
    std::atomic<bool> adderDone{false};
    std::atomic<int> rendersDuringAdding{0};

    std::thread adder([&] {
        start.arrive_and_wait();
        for (int round = 0; round < 15; ++round) {
            for (size_t i = 0; i < pdfs.size(); ++i) {
                const int32_t handle = OpenPDF(pdfs[i].c_str(), 0);
                if (handle < 1 || GetPageCount(handle) != expectedCounts[i])
                    ++countMismatches;
                ClosePDF(handle);
            }
        }
        adderDone = true;
    });
    std::thread window([&] {
        start.arrive_and_wait();
        std::vector<uint32_t> pixels(width * height);
        const RasterDC dc{pixels.data(), width, height, width * 4};
        for (int page = 1; !adderDone || page <= previewPages; ++page) {
            const int p = (page - 1) % previewPages + 1;
            RenderDC(&dc, preview, p, 40, 0, 0, width, height);
            if (pixels != expected[p - 1])
                ++pixelMismatches;
            if (!adderDone)
                ++rendersDuringAdding;
        }
    });
    adder.join();
    window.join();
    ClosePDF(preview);

    EXPECT_EQ(countMismatches, 0);
    EXPECT_EQ(pixelMismatches, 0);
    EXPECT_GT(rendersDuringAdding, 0) << "the threads did not overlap";
}

// Two threads on one handle are serialised inside the engine rather than corrupting it.
TEST(RasterPdfConcurrency, OneDocumentFromTwoThreadsIsSerialised)
{
    const int32_t handle = OpenPDF(firstFixture().c_str(), 0);
    ASSERT_GE(handle, 1);
    std::vector<uint32_t> reference(100 * 100);
    const RasterDC referenceDc{reference.data(), 100, 100, 400};
    RenderDC(&referenceDc, handle, 2, 40, 0, 0, 100, 100);

    std::latch start(2);
    std::atomic<int> mismatches{0};
    auto draw = [&] {
        std::vector<uint32_t> pixels(100 * 100);
        const RasterDC dc{pixels.data(), 100, 100, 400};
        start.arrive_and_wait();
        for (int i = 0; i < 20; ++i) {
            RenderDC(&dc, handle, 2, 40, 0, 0, 100, 100);
            if (pixels != reference)
                ++mismatches;
        }
    };
    std::thread a(draw), b(draw);
    a.join();
    b.join();
    ClosePDF(handle);
    EXPECT_EQ(mismatches, 0);
}

} // namespace
