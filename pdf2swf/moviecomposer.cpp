#include "moviecomposer.h"

#include "actionbuilder.h"
#include "bytesink.h"
#include "controltags.h"
#include "navigationart.h"
#include "pagetextlayout.h"
#include "shapebuilder.h"
#include "tagwriter.h"
#include "texttags.h"
#include "viewertemplate.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace pdf2swf {

using swf::twipsPerPixel;

namespace {

constexpr int simpleButtonWidth = 32;
constexpr int simpleButtonHeight = 48;
constexpr int simpleButtonMargin = 4;

ButtonLook simpleViewerLook()
{
    ButtonLook look;
    look.widthPixels = simpleButtonWidth;
    look.heightPixels = simpleButtonHeight;
    // Half-transparent, so the page stays readable under the buttons.
    look.faceUp = {0x20, 0x20, 0x20, 0x40};
    look.faceOver = {0x20, 0x20, 0x20, 0x90};
    look.faceDown = {0x00, 0x00, 0x00, 0xb0};
    look.iconUp = {0xff, 0xff, 0xff, 0xb0};
    look.iconOver = {0xff, 0xff, 0xff, 0xff};
    return look;
}

int32_t toFixed(double value)
{
    return static_cast<int32_t>(std::lround(value * swf::fixedOne));
}

} // namespace

MovieComposer::MovieComposer(swf::OutputSink& sink, const MovieLayout& layout, const ViewerTemplate* viewer)
    : m_layout(layout)
    , m_viewer(viewer)
{
    m_stageWidth = std::max(1, layout.pageAreaWidthPixels);
    m_stageHeight = std::max(1, layout.pageAreaHeightPixels);
    uint16_t nextId = 1;
    if (viewer) {
        m_stageWidth = std::max(m_stageWidth, viewer->widthPixels());
        m_stageHeight += viewer->heightPixels();
        nextId = static_cast<uint16_t>(viewer->maxCharacterId() + 2); // and one for the clip
    }
    if (layout.simpleViewer)
        nextId = static_cast<uint16_t>(nextId + 2 * navigationButtonIdCount);
    m_firstPageId = nextId;
    m_nextId = nextId;

    swf::MovieHeader header;
    header.version = swfVersion;
    header.compression = swf::Compression::Zlib;
    header.stage = {0, m_stageWidth * twipsPerPixel, 0, m_stageHeight * twipsPerPixel};
    header.framesPerSecond = layout.framesPerSecond;
    header.frameCount = layout.frameCount;
    m_writer = std::make_unique<swf::MovieWriter>(sink, header);
    writeControls();
}

MovieComposer::~MovieComposer() = default;

void MovieComposer::writeControls()
{
    swf::ByteSink tags;
    swf::writeFileAttributes(tags, false, false);
    swf::writeSetBackgroundColor(tags, {0xff, 0xff, 0xff});
    uint16_t nextId = 1;
    if (m_viewer) {
        tags.bytes(m_viewer->definitionTags());
        const auto clipId = static_cast<uint16_t>(m_viewer->maxCharacterId() + 1);
        swf::writeDefineSprite(tags, clipId, m_viewer->frameCount(), m_viewer->timelineTags());
        nextId = static_cast<uint16_t>(clipId + 1);
    }
    if (m_layout.simpleViewer) {
        const ButtonLook look = simpleViewerLook();
        swf::ButtonAction previous;
        previous.key = swf::ButtonKey::Left;
        previous.actions.previousFrame();
        swf::ButtonAction next;
        next.key = swf::ButtonKey::Right;
        next.actions.nextFrame();
        const uint16_t previousId = writeNavigationButton(tags, nextId, NavigationIcon::Previous, look, {previous});
        nextId = static_cast<uint16_t>(nextId + navigationButtonIdCount);
        const uint16_t nextButtonId = writeNavigationButton(tags, nextId, NavigationIcon::Next, look, {next});
        nextId = static_cast<uint16_t>(nextId + navigationButtonIdCount);

        const int top = std::max(0, (m_layout.pageAreaHeightPixels - simpleButtonHeight) / 2) * twipsPerPixel;
        const int left = simpleButtonMargin * twipsPerPixel;
        const int right = std::max(0, m_stageWidth - simpleButtonMargin - simpleButtonWidth) * twipsPerPixel;
        swf::writePlaceObject2(tags, {simpleViewerDepth, previousId, swf::Matrix::translation(left, top), "previousPage", false});
        swf::writePlaceObject2(tags, {static_cast<uint16_t>(simpleViewerDepth + 1), nextButtonId,
                                      swf::Matrix::translation(right, top), "nextPage", false});
    }
    if (m_viewer) {
        const int x = (m_stageWidth - m_viewer->widthPixels()) / 2 * twipsPerPixel;
        const int y = m_layout.pageAreaHeightPixels * twipsPerPixel;
        swf::writePlaceObject2(tags, {viewerDepth, static_cast<uint16_t>(m_viewer->maxCharacterId() + 1),
                                      swf::Matrix::translation(x, y), "viewer", false});
    }
    assert(nextId == m_firstPageId);
    m_writer->writeTags(tags.data());
}

uint16_t MovieComposer::takeId()
{
    if (m_nextId > 0xffff)
        throw std::runtime_error("too many pictures, fonts and texts for one movie (at most 65535); convert fewer pages at a time");
    return static_cast<uint16_t>(m_nextId++);
}

void MovieComposer::addPage(ConvertedPage& page)
{
    assert(m_pagesAdded < m_layout.frameCount);
    const double scale = page.displayScale;
    auto twips = [scale](int pixels) { return static_cast<int32_t>(std::lround(pixels * scale * twipsPerPixel)); };
    swf::ByteSink tags;

    // The picture pieces, all in one shape: each a rectangle filled with its bitmap, one
    // bitmap pixel per stage pixel unless the picture had to be made smaller.
    std::optional<uint16_t> shapeId;
    if (!page.pieces.empty()) {
        swf::ShapeBuilder shape;
        for (PagePiece& piece : page.pieces) {
            const uint16_t bitmapId = takeId();
            swf::setCharacterId(piece.bitmap.tag, bitmapId);
            m_writer->writeTags(piece.bitmap.tag, swf::Content::Precompressed);
            swf::Matrix fillMatrix;
            fillMatrix.scaleX = fillMatrix.scaleY = toFixed(twipsPerPixel * scale);
            fillMatrix.translateXTwips = twips(piece.xPixels);
            fillMatrix.translateYTwips = twips(piece.yPixels);
            const int fill = shape.addBitmapFill(bitmapId, fillMatrix,
                                                 scale == 1 ? swf::BitmapSmoothing::Pixelated : swf::BitmapSmoothing::Smoothed);
            shape.rectangle({twips(piece.xPixels), twips(piece.xPixels + piece.bitmap.widthPixels), twips(piece.yPixels),
                             twips(piece.yPixels + piece.bitmap.heightPixels)},
                            fill);
        }
        shapeId = takeId();
        tags.bytes(shape.encode(*shapeId));
    }

    // The text over it, with the glyphs no earlier page defined.
    m_fonts.define(page.text, [this] { return takeId(); }, tags);
    std::vector<uint16_t> textIds;
    for (const swf::StaticText& text : PageTextLayout::layout(page.text, scale, m_fonts)) {
        textIds.push_back(takeId());
        swf::writeDefineText2(tags, textIds.back(), text);
    }

    for (uint16_t depth = pageDepth; depth < pageDepth + m_depthsUsed; ++depth)
        swf::writeRemoveObject2(tags, depth);
    const int x = std::max(0, (m_stageWidth - page.displayWidthPixels) / 2) * twipsPerPixel;
    uint16_t depth = pageDepth;
    if (shapeId)
        swf::writePlaceObject2(tags, {depth++, *shapeId, swf::Matrix::translation(x, 0), {}, false});
    for (uint16_t id : textIds) {
        if (depth >= simpleViewerDepth)
            throw std::runtime_error("a page with too many texts for one frame");
        swf::writePlaceObject2(tags, {depth++, id, swf::Matrix::translation(x, 0), {}, false});
    }
    m_depthsUsed = static_cast<uint16_t>(depth - pageDepth);

    if (m_layout.stopEachFrame) {
        swf::ActionBuilder stop;
        stop.stop();
        swf::writeDoAction(tags, stop);
    }
    swf::writeShowFrame(tags);
    m_writer->writeTags(tags.data());
    ++m_pagesAdded;
}

void MovieComposer::finish()
{
    m_writer->finish();
}

} // namespace pdf2swf
