// Pages rendered on several threads come back in order, with bounded look-ahead, and the
// first failure stops everything.
#include "parallelconverter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace {

using pdf2swf::ConvertedPage;
using pdf2swf::PageJob;
using pdf2swf::PageRenderer;

// Renders page n as an n x 1 grey bitmap, slowly for even pages so threads finish out of order.
class FakeRenderer final : public PageRenderer {
public:
    explicit FakeRenderer(std::atomic<int>& opened, int failingPage) : m_failingPage(failingPage) { ++opened; }
    int pageCount() const override { return 1000; }
    pdf2swf::PageSizePoints pageSize(int page) const override { return {double(page), 1}; }
    pdf2swf::RenderedPage render(int page, double) override
    {
        if (page == m_failingPage)
            throw std::runtime_error("page cannot be drawn");
        if (page % 2 == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        m_pixels.assign(static_cast<size_t>(page), 0xff000000u | static_cast<uint32_t>(page));
        return {{reinterpret_cast<const uint8_t*>(m_pixels.data()), page, 1, page * 4}, {}};
    }

private:
    int m_failingPage;
    std::vector<uint32_t> m_pixels;
};

std::vector<PageJob> jobsFor(int count)
{
    std::vector<PageJob> jobs;
    for (int i = 0; i < count; ++i)
        jobs.push_back({count - i}); // pages in falling order
    return jobs;
}

TEST(ParallelConverter, ResultsArriveInJobOrderWithBoundedLookAhead)
{
    std::atomic<int> opened{0};
    const int workers = 3;
    pdf2swf::ParallelConverter converter([&] { return std::make_unique<FakeRenderer>(opened, -1); },
                                         pdf2swf::PageEncoder(), 72, workers);
    const auto jobs = jobsFor(40);
    std::vector<int> started;
    std::vector<int> done;
    size_t maxAhead = 0;
    converter.run(
        jobs, [&](int page) {
            started.push_back(page);
            maxAhead = std::max(maxAhead, started.size() - done.size());
        },
        [&](size_t index, ConvertedPage&& page) {
            ASSERT_EQ(page.pieces.size(), 1u);
            EXPECT_EQ(page.pieces[0].bitmap.widthPixels, jobs[index].pageNumber);
            EXPECT_EQ(page.displayWidthPixels, jobs[index].pageNumber);
            done.push_back(jobs[index].pageNumber);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        });
    std::vector<int> expected;
    for (const PageJob& j : jobs)
        expected.push_back(j.pageNumber);
    EXPECT_EQ(started, expected); // progress lines come in job order
    EXPECT_EQ(done, expected);
    EXPECT_EQ(opened.load(), workers); // one document per worker
    EXPECT_LE(maxAhead, size_t(2 * workers + 1));
}

TEST(ParallelConverter, AFailingPageStopsTheRunAndReachesTheCaller)
{
    std::atomic<int> opened{0};
    pdf2swf::ParallelConverter converter([&] { return std::make_unique<FakeRenderer>(opened, 30); },
                                         pdf2swf::PageEncoder(), 72, 2);
    std::atomic<int> consumed{0};
    EXPECT_THROW(converter.run(jobsFor(60), [](int) {}, [&](size_t, ConvertedPage&&) { ++consumed; }), std::runtime_error);
    EXPECT_LT(consumed.load(), 31);
}

TEST(ParallelConverter, AFailingConsumerStopsTheWorkers)
{
    std::atomic<int> opened{0};
    pdf2swf::ParallelConverter converter([&] { return std::make_unique<FakeRenderer>(opened, -1); },
                                         pdf2swf::PageEncoder(), 72, 2);
    std::atomic<int> started{0};
    EXPECT_THROW(converter.run(
                     jobsFor(200), [&](int) { ++started; },
                     [](size_t index, ConvertedPage&&) {
                         if (index == 3)
                             throw std::runtime_error("disk full");
                     }),
                 std::runtime_error);
    EXPECT_LT(started.load(), 20);
}

TEST(ParallelConverter, OversizedPagesAreRenderedSmallerAndShownAtFullSize)
{
    EXPECT_EQ(pdf2swf::ParallelConverter::bitmapDpi({612, 792}, 600), 600);
    const double dpi = pdf2swf::ParallelConverter::bitmapDpi({3000, 1000}, 600);
    EXPECT_LT(dpi, 600);
    EXPECT_LE(3000 * dpi / 72, pdf2swf::ParallelConverter::maxBitmapSidePixels);
    EXPECT_GT(3000 * dpi / 72, pdf2swf::ParallelConverter::maxBitmapSidePixels - 1);
}

} // namespace
