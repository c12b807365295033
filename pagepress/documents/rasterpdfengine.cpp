#include "pagepress/documents/rasterpdfengine.h"

#include <QFile>

namespace {

// What the preview has always passed as RenderDC's quality and reserved arguments.
constexpr int32_t renderQuality = 40;

} // namespace

int32_t RasterPdfEngine::open(const QString &path)
{
    // A NUL would silently cut the path short and open another file.
    if (path.contains(QChar(u'\0')))
        return RASTERPDF_NOT_A_FILE;
    return OpenPDF(QFile::encodeName(path).constData(), 0);
}

int32_t RasterPdfEngine::pageCount(int32_t handle)
{
    return GetPageCount(handle);
}

void RasterPdfEngine::render(const RasterDC &dc, int32_t handle, int32_t page, int32_t width, int32_t height)
{
    RenderDC(&dc, handle, page, renderQuality, 0, 0, width, height);
}

void RasterPdfEngine::close(int32_t handle)
{
    ClosePDF(handle);
}
