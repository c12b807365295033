#pragma once
// Lays the converted pages out as a movie: one frame per page, the page picture centred at
// the top of the stage, optional stop actions, the simple viewer's buttons and the viewer
// movie's bar below the pages. Knows the character ids and depths; the bytes are written by
// the SWF writer. Not thread-safe; pages must arrive in frame order.

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
    static constexpr uint16_t pageDepth = 1;
    static constexpr uint16_t simpleViewerDepth = 10; // and the next one
    static constexpr uint16_t viewerDepth = 20;
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

    void addPage(const ConvertedPage& page);
    void finish();

private:
    void writeControls();

    MovieLayout m_layout;
    const ViewerTemplate* m_viewer;
    std::unique_ptr<swf::MovieWriter> m_writer;
    int m_stageWidth = 0;
    int m_stageHeight = 0;
    uint16_t m_firstPageId = 1;
    size_t m_pagesAdded = 0;
};

} // namespace pdf2swf
