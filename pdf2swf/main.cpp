// pdf2swf: converts pages of a PDF document into a Flash movie, one frame per page.
#include "commandline.h"
#include "converterror.h"
#include "moviecomposer.h"
#include "outputfile.h"
#include "parallelconverter.h"
#include "splashpagerenderer.h"
#include "viewertemplate.h"

#include <cmath>
#include <csignal>
#include <mutex>
#include <cstdio>
#include <optional>
#include <thread>

#ifndef PDF2SWF_VERSION
#define PDF2SWF_VERSION "0"
#endif

namespace {

using namespace pdf2swf;

constexpr double playingFramesPerSecond = 2;  // a self-playing movie: pages per second
constexpr double stoppedFramesPerSecond = 12; // a movie that waits on every page: keeps controls lively

int pixelsFor(double points, double dpi)
{
    // The rasteriser rounds the page size to whole pixels.
    return static_cast<int>(points * dpi / 72.0 + 0.5);
}

void convert(const ConvertOptions& options)
{
    SplashPageRenderer::initialiseEngine(options.languageDir);
    std::unique_ptr<SplashPageRenderer> document = SplashPageRenderer::open(options.pdfPath, options.textMode);

    const std::vector<PageRange> ranges = options.ranges.value_or(std::vector<PageRange>{{1, document->pageCount()}});
    const PageSelection selection = selectPages(ranges, document->pageCount());
    if (selection.pages.empty())
        throw ConvertError(options.pdfPath, "no page of the selection " + rangesText(ranges) + " lies in the document ("
                                                + std::to_string(document->pageCount()) + " pages)");
    for (const PageRange& skipped : selection.skipped)
        std::fprintf(stderr, "pdf2swf: warning: '%s' has %d pages; skipping %s\n", options.pdfPath.c_str(),
                     document->pageCount(), rangesText({skipped}).c_str());

    std::optional<ViewerTemplate> viewer;
    if (!options.viewerPath.empty())
        viewer = ViewerTemplate::load(options.viewerPath);

    MovieLayout layout;
    for (int page : selection.pages) {
        const PageSizePoints size = document->pageSize(page);
        layout.pageAreaWidthPixels = std::max(layout.pageAreaWidthPixels, pixelsFor(size.width, options.zoomDpi));
        layout.pageAreaHeightPixels = std::max(layout.pageAreaHeightPixels, pixelsFor(size.height, options.zoomDpi));
    }
    layout.stopEachFrame = options.stopEachFrame || viewer.has_value();
    layout.simpleViewer = options.simpleViewer;
    layout.framesPerSecond = options.framesPerSecond.value_or(
        layout.stopEachFrame ? stoppedFramesPerSecond : playingFramesPerSecond);
    if (selection.pages.size() > 0xffff)
        throw ConvertError(options.pdfPath, "too many pages for one movie (at most 65535)");
    layout.frameCount = static_cast<uint16_t>(selection.pages.size());

    OutputFile output(options.outputPath);
    MovieComposer composer(output, layout, viewer ? &*viewer : nullptr);
    if (selection.pages.size() > composer.maxPages())
        throw ConvertError(options.pdfPath, "too many pages for one movie (at most " + std::to_string(composer.maxPages()) + ")");

    std::vector<PageJob> jobs;
    for (int page : selection.pages)
        jobs.push_back({page});

    // The first worker takes over the document opened here; the others open their own.
    std::mutex handOver;
    const PageRendererFactory openRenderer = [&]() -> std::unique_ptr<PageRenderer> {
        {
            std::lock_guard lock(handOver);
            if (document)
                return std::move(document);
        }
        return SplashPageRenderer::open(options.pdfPath, options.textMode);
    };
    const int workers = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    ParallelConverter converter(openRenderer, PageEncoder(), options.zoomDpi, workers, options.textMode);
    converter.run(
        jobs,
        [](int pageNumber) {
            // The application follows the conversion through these lines on a pipe.
            std::printf("page %d\n", pageNumber);
            std::fflush(stdout);
        },
        [&composer](size_t, ConvertedPage&& page) { composer.addPage(page); });
    composer.finish();
    output.commit();
}

} // namespace

int main(int argc, char** argv)
{
    // A reader that went away must not take the conversion with it.
    std::signal(SIGPIPE, SIG_IGN);

    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const CommandLine::Result parsed = CommandLine::parse(arguments);
    switch (parsed.request) {
    case CommandLine::Request::Help:
        std::fputs(CommandLine::usage().c_str(), stdout);
        return 0;
    case CommandLine::Request::Version:
        std::printf("pdf2swf %s\n", PDF2SWF_VERSION);
        return 0;
    case CommandLine::Request::Invalid:
        std::fprintf(stderr, "pdf2swf: %s (see pdf2swf --help)\n", parsed.error.c_str());
        return 2;
    case CommandLine::Request::Convert:
        break;
    }
    try {
        convert(parsed.options);
        return 0;
    } catch (const ConvertError& e) {
        std::fprintf(stderr, "pdf2swf: %s\n", e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pdf2swf: '%s': conversion failed: %s\n", parsed.options.pdfPath.c_str(), e.what());
    }
    return 1;
}
