#include "parallelconverter.h"

#include "inkregions.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>
#include <thread>

namespace pdf2swf {

ParallelConverter::ParallelConverter(PageRendererFactory openRenderer, PageEncoder encoder, double dpi, int workerCount,
                                     TextMode textMode)
    : m_openRenderer(std::move(openRenderer))
    , m_encoder(encoder)
    , m_dpi(dpi)
    , m_workerCount(std::max(1, workerCount))
    , m_textMode(textMode)
{
}

double ParallelConverter::bitmapDpi(PageSizePoints size, double dpi)
{
    const double longest = std::max(size.width, size.height);
    if (longest * dpi / 72.0 <= maxBitmapSidePixels)
        return dpi;
    return std::floor(maxBitmapSidePixels * 72.0 / longest * 1000.0) / 1000.0;
}

ConvertedPage ParallelConverter::convert(PageRenderer& renderer, const PageJob& job) const
{
    const PageSizePoints size = renderer.pageSize(job.pageNumber);
    const double dpi = bitmapDpi(size, m_dpi);
    RenderedPage rendered = renderer.render(job.pageNumber, dpi);
    const swf::PixelView& pixels = rendered.picture;
    ConvertedPage page;
    page.text = std::move(rendered.text);
    const std::vector<PixelRect> areas = m_textMode == TextMode::Picture
        ? std::vector<PixelRect>{{0, 0, pixels.width, pixels.height}}
        : InkRegions::find(pixels);
    for (const PixelRect& area : areas) {
        swf::PixelView part = pixels;
        part.data += static_cast<size_t>(area.y) * pixels.strideBytes + static_cast<size_t>(area.x) * 4;
        part.width = area.width;
        part.height = area.height;
        page.pieces.push_back({m_encoder.encode(0, part), area.x, area.y});
    }
    page.displayWidthPixels = pixels.width;
    page.displayHeightPixels = pixels.height;
    if (dpi != m_dpi) {
        page.displayWidthPixels = static_cast<int>(std::lround(pixels.width * m_dpi / dpi));
        page.displayHeightPixels = static_cast<int>(std::lround(pixels.height * m_dpi / dpi));
        page.displayScale = m_dpi / dpi;
    }
    return page;
}

void ParallelConverter::run(const std::vector<PageJob>& jobs, const std::function<void(int)>& pageStarted,
                            const std::function<void(size_t, ConvertedPage&&)>& pageDone)
{
    const size_t workers = std::min<size_t>(static_cast<size_t>(m_workerCount), std::max<size_t>(jobs.size(), 1));
    const size_t window = 2 * workers; // pages done or in work beyond the one being consumed

    std::mutex mutex;
    std::condition_variable changed;
    size_t nextJob = 0;
    size_t consumed = 0;
    std::map<size_t, ConvertedPage> ready;
    std::exception_ptr failure;

    auto fail = [&](std::exception_ptr error) {
        std::lock_guard lock(mutex);
        if (!failure)
            failure = error;
        changed.notify_all();
    };

    auto work = [&] {
        try {
            std::unique_ptr<PageRenderer> renderer = m_openRenderer();
            for (;;) {
                size_t index;
                {
                    std::unique_lock lock(mutex);
                    changed.wait(lock, [&] { return failure || nextJob >= jobs.size() || nextJob < consumed + window; });
                    if (failure || nextJob >= jobs.size())
                        return;
                    index = nextJob++;
                    pageStarted(jobs[index].pageNumber);
                }
                ConvertedPage page = convert(*renderer, jobs[index]);
                std::lock_guard lock(mutex);
                ready.emplace(index, std::move(page));
                changed.notify_all();
            }
        } catch (...) {
            fail(std::current_exception());
        }
    };

    std::vector<std::thread> threads;
    for (size_t i = 0; i < workers; ++i)
        threads.emplace_back(work);

    for (size_t index = 0; index < jobs.size(); ++index) {
        ConvertedPage page;
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return failure || ready.count(index); });
            if (failure)
                break;
            auto node = ready.extract(index);
            page = std::move(node.mapped());
        }
        try {
            pageDone(index, std::move(page));
        } catch (...) {
            fail(std::current_exception());
            break;
        }
        std::lock_guard lock(mutex);
        consumed = index + 1;
        changed.notify_all();
    }

    for (std::thread& t : threads)
        t.join();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace pdf2swf
