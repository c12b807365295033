#include "splashpagerenderer.h"

#include "converterror.h"
#include "vectortextdevice.h"

#include <GlobalParams.h>
#include <PDFDoc.h>
#include <goo/GooString.h>
#include <splash/SplashBitmap.h>

#include <Error.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <unistd.h>

namespace pdf2swf {

namespace {

// The engine's complaints while a document opens are summed up by our own one-line error;
// later ones (damaged page content) become warnings, a limited number of them.
thread_local bool t_opening = false;
std::atomic<int> g_warningsLeft{20};

void reportEngineMessage(ErrorCategory, Goffset, const char* message)
{
    if (t_opening)
        return;
    const int left = g_warningsLeft.fetch_sub(1);
    if (left > 0)
        std::fprintf(stderr, "pdf2swf: warning: %s\n", message);
    else if (left == 0)
        std::fprintf(stderr, "pdf2swf: warning: further warnings of the PDF engine are not shown\n");
}

} // namespace

void SplashPageRenderer::initialiseEngine(const std::string& dataDir)
{
    std::error_code ec;
    const bool usable = !dataDir.empty() && std::filesystem::is_directory(std::filesystem::path(dataDir) / "cMap", ec);
    globalParams = std::make_unique<GlobalParams>(usable ? dataDir.c_str() : nullptr);
    setErrorCallback(reportEngineMessage);
}

std::unique_ptr<SplashPageRenderer> SplashPageRenderer::open(const std::string& pdfPath, TextMode mode)
{
    // Tell a missing or unreadable file from a broken one before the engine tries.
    const int fd = ::open(pdfPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw ConvertError(pdfPath, std::string("cannot open the PDF file: ") + std::strerror(errno));
    ::close(fd);

    t_opening = true;
    auto document = std::make_unique<PDFDoc>(std::make_unique<GooString>(pdfPath));
    t_opening = false;
    if (!document->isOk()) {
        switch (document->getErrorCode()) {
        case errEncrypted:
            throw ConvertError(pdfPath, "the PDF file is password-protected");
        case errOpenFile:
            throw ConvertError(pdfPath, "cannot open the PDF file");
        default:
            throw ConvertError(pdfPath, "not a PDF file, or damaged beyond repair");
        }
    }
    if (document->getNumPages() < 1)
        throw ConvertError(pdfPath, "the PDF file has no pages (damaged beyond repair?)");
    return std::unique_ptr<SplashPageRenderer>(new SplashPageRenderer(std::move(document), pdfPath, mode));
}

SplashPageRenderer::SplashPageRenderer(std::unique_ptr<PDFDoc> document, std::string path, TextMode mode)
    : m_document(std::move(document))
    , m_path(std::move(path))
    , m_mode(mode)
{
    SplashColor white = {0xff, 0xff, 0xff, 0xff};
    // XBGR8 lays each pixel out as B, G, R, X in memory: 0xXXRRGGBB as a native word.
    m_device = std::make_unique<VectorTextDevice>(white);
    m_device->setFontAntialias(true);
    m_device->setVectorAntialias(true);
    m_device->startDoc(m_document.get());
}

SplashPageRenderer::~SplashPageRenderer() = default;

int SplashPageRenderer::pageCount() const
{
    return m_document->getNumPages();
}

PageSizePoints SplashPageRenderer::pageSize(int pageNumber) const
{
    const double w = m_document->getPageCropWidth(pageNumber);
    const double h = m_document->getPageCropHeight(pageNumber);
    const int rotate = ((m_document->getPageRotate(pageNumber) % 360) + 360) % 360;
    if (rotate == 90 || rotate == 270)
        return {h, w};
    return {w, h};
}

void SplashPageRenderer::draw(int pageNumber, double dpi)
{
    m_document->displayPage(m_device.get(), pageNumber, dpi, dpi, 0, false, true, false);
}

RenderedPage SplashPageRenderer::render(int pageNumber, double dpi)
{
    m_device->setTextMode(m_mode);
    m_device->setRasterGlyphs({});
    draw(pageNumber, dpi);
    if (m_mode == TextMode::Outlines && m_device->anyCovered()) {
        // Again, with the covered glyphs drawn where they belong in the drawing order. Should
        // those in turn cover others, the whole text goes into the picture.
        m_device->setRasterGlyphs(m_device->coveredGlyphs());
        draw(pageNumber, dpi);
        if (m_device->anyCovered()) {
            m_device->setTextMode(TextMode::Picture);
            draw(pageNumber, dpi);
        }
    }
    SplashBitmap* bitmap = m_device->getBitmap();
    if (!bitmap || bitmap->getWidth() < 1 || bitmap->getHeight() < 1)
        throw ConvertError(m_path, "page " + std::to_string(pageNumber) + " could not be rendered");
    RenderedPage page;
    page.picture.data = bitmap->getDataPtr();
    page.picture.width = bitmap->getWidth();
    page.picture.height = bitmap->getHeight();
    page.picture.strideBytes = bitmap->getRowSize();
    page.text = m_device->takeText();
    return page;
}

} // namespace pdf2swf
