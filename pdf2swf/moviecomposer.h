#pragma once
// Lays the converted pages out as a movie: one frame per page, the page centred at the top of
// the stage (its picture pieces in one shape, its text as static texts over it, the fonts
// defined once for the whole movie), optional stop actions, the simple viewer's buttons and
// the viewer movie's bar below the pages. Each frame removes the objects of the frame before.
// Knows the character ids and depths; the bytes are written by the SWF writer. Not
// thread-safe; pages must arrive in frame order.

#include "moviefonts.h"
#include "moviewriter.h"
#include "parallelconverter.h"

#include <cstdint>
#include <memory>

namespace pdf2swf {

class ViewerTemplate;

struct MovieLayout {
    int pageAreaWidthPixels = 0; // the largest page of the selection
    int pageAreaHeightPixels = 0;
    uint16_t frameCount = 0;
    double framesPerSecond = 2;
    bool stopEachFrame = false;
    bool simpleViewer = false;
};

class MovieComposer {
public:
    static constexpr uint16_t pageDepth = 1; // the page's objects, from here up
    static constexpr uint16_t simpleViewerDepth = 16000; // and the next one: above every page
    static constexpr uint16_t viewerDepth = 16010;
    static constexpr uint8_t swfVersion = 8;

    // viewer may be null; it must outlive the composer.
    MovieComposer(swf::OutputSink& sink, const MovieLayout& layout, const ViewerTemplate* viewer);
    ~MovieComposer();

    // Id of the bitmap of page index i (0-based in frame order); its shape takes the next id.
    uint16_t bitmapId(size_t pageIndex) const { return static_cast<uint16_t>(m_firstPageId + 2 * pageIndex); }
    // How many pages fit into the character ids left after the controls.
    size_t maxPages() const { return (0xffffu - m_firstPageId) / 2; }

    int stageWidthPixels() const { return m_stageWidth; }
    int stageHeightPixels() const { return m_stageHeight; }

    // Sets the character ids of the page's bitmaps.
    void addPage(ConvertedPage& page);
    void finish();

private:
    void writeControls();
    uint16_t takeId();

    MovieLayout m_layout;
    const ViewerTemplate* m_viewer;
    std::unique_ptr<swf::MovieWriter> m_writer;
    int m_stageWidth = 0;
    int m_stageHeight = 0;
    uint16_t m_firstPageId = 1;
    uint32_t m_nextId = 1;
    size_t m_pagesAdded = 0;
    uint16_t m_depthsUsed = 0; // by the page on the stage
    MovieFonts m_fonts;
};

} // namespace pdf2swf
