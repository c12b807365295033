#pragma once
// Renders and encodes pages on several threads and hands the results over in job order.
// Each worker opens its own renderer (documents are not shared between threads). Workers run
// at most a window of pages ahead of the consumer, so memory stays bounded by a few page
// pictures per worker whatever the page count. With text as outlines, only the inked areas
// of a page picture are kept, as a few bitmaps; otherwise the picture is the whole page.

#include "convertoptions.h"
#include "pageencoder.h"
#include "pagerenderer.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace pdf2swf {

struct PageJob {
    int pageNumber = 1;
};

// One bitmap of a page picture; its character id is set when the movie takes it.
struct PagePiece {
    EncodedBitmap bitmap;
    int xPixels = 0; // where it lies in the picture
    int yPixels = 0;
};

struct ConvertedPage {
    std::vector<PagePiece> pieces; // none for a page that shows only paper (and text)
    PageText text;                 // positions in picture pixels
    int displayWidthPixels = 0;    // size on the stage; larger than the picture when its
    int displayHeightPixels = 0;   // resolution had to be lowered
    double displayScale = 1;       // stage pixels per picture pixel
};

class ParallelConverter {
public:
    // Largest bitmap side players take; pages that would be larger are rendered at a lower
    // resolution and shown scaled up.
    static constexpr int maxBitmapSidePixels = 8191;

    ParallelConverter(PageRendererFactory openRenderer, PageEncoder encoder, double dpi, int workerCount,
                      TextMode textMode = TextMode::Picture);

    // pageStarted runs on a worker as work on a page starts, one call at a time and in job
    // order. pageDone runs on the calling thread in job order. The first exception thrown
    // anywhere stops the work and is rethrown here once every worker has ended.
    void run(const std::vector<PageJob>& jobs, const std::function<void(int pageNumber)>& pageStarted,
             const std::function<void(size_t jobIndex, ConvertedPage&& page)>& pageDone);

    int workerCount() const { return m_workerCount; }

    // Resolution at which a page of this size yields a bitmap players take.
    static double bitmapDpi(PageSizePoints size, double dpi);

private:
    ConvertedPage convert(PageRenderer& renderer, const PageJob& job) const;

    PageRendererFactory m_openRenderer;
    PageEncoder m_encoder;
    double m_dpi;
    int m_workerCount;
    TextMode m_textMode;
};

} // namespace pdf2swf
