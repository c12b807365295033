#pragma once
// PageRenderer over poppler's Splash rasteriser. Keeps one output device for all pages of
// its document, so fonts and glyph caches are built once per thread.

#include "pagerenderer.h"

#include <memory>
#include <string>

class PDFDoc;
class SplashOutputDev;

namespace pdf2swf {

class SplashPageRenderer final : public PageRenderer {
public:
    // Sets up the engine once per process. dataDir names a folder laid out like
    // poppler-data (cMap/, cidToUnicode/, ...); empty, or a folder without that layout,
    // means the system's data.
    static void initialiseEngine(const std::string& dataDir);

    // Throws ConvertError naming the file and the cause.
    static std::unique_ptr<SplashPageRenderer> open(const std::string& pdfPath);
    ~SplashPageRenderer() override;

    int pageCount() const override;
    PageSizePoints pageSize(int pageNumber) const override;
    swf::PixelView render(int pageNumber, double dpi) override;

private:
    SplashPageRenderer(std::unique_ptr<PDFDoc> document, std::string path);

    std::unique_ptr<PDFDoc> m_document;
    std::unique_ptr<SplashOutputDev> m_device;
    std::string m_path;
};

} // namespace pdf2swf
