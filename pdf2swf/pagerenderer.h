#pragma once
// Turns pages of one open document into a picture and, when asked, text kept as outlines
// (then the picture holds everything but that text). One renderer per thread: the PDF
// engine's document objects are not thread-safe.

#include "bitmaptags.h"
#include "pagetext.h"

#include <functional>
#include <memory>

namespace pdf2swf {

struct PageSizePoints {
    double width = 0;  // as displayed, page rotation applied
    double height = 0;
};

struct RenderedPage {
    // Pixels 0x??RRGGBB: pages are opaque and the top byte is undefined. Valid until the
    // next call.
    swf::PixelView picture;
    PageText text; // in the picture's pixels; empty when all text is in the picture
};

class PageRenderer {
public:
    virtual ~PageRenderer() = default;

    virtual int pageCount() const = 0;
    virtual PageSizePoints pageSize(int pageNumber) const = 0;
    virtual RenderedPage render(int pageNumber, double dpi) = 0;
};

// Opens the document again, for one more thread. Throws ConvertError.
using PageRendererFactory = std::function<std::unique_ptr<PageRenderer>()>;

} // namespace pdf2swf
