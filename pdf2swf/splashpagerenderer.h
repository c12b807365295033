#pragma once
// PageRenderer over poppler's Splash rasteriser. Keeps one output device for all pages of
// its document, so fonts, glyph caches and glyph outlines are built once per thread. In
// TextMode::Outlines a page whose text lies under later drawing is drawn again with those
// glyphs in the picture, and once more with all text in it if that does not settle it.

#include "convertoptions.h"
#include "pagerenderer.h"

#include <memory>
#include <string>

class PDFDoc;

namespace pdf2swf {

class VectorTextDevice;

class SplashPageRenderer final : public PageRenderer {
public:
    // Sets up the engine once per process. dataDir names a folder laid out like
    // poppler-data (cMap/, cidToUnicode/, ...); empty, or a folder without that layout,
    // means the system's data.
    static void initialiseEngine(const std::string& dataDir);

    // Throws ConvertError naming the file and the cause.
    static std::unique_ptr<SplashPageRenderer> open(const std::string& pdfPath, TextMode mode);
    ~SplashPageRenderer() override;

    int pageCount() const override;
    PageSizePoints pageSize(int pageNumber) const override;
    RenderedPage render(int pageNumber, double dpi) override;

private:
    SplashPageRenderer(std::unique_ptr<PDFDoc> document, std::string path, TextMode mode);
    void draw(int pageNumber, double dpi);

    std::unique_ptr<PDFDoc> m_document;
    std::unique_ptr<VectorTextDevice> m_device;
    std::string m_path;
    TextMode m_mode;
};

} // namespace pdf2swf
