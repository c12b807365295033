// The four exported functions: argument checks, the handle table and poppler's error output.

#include "rasterpdf/rasterpdf.h"

#include "rasterpdf/documenttable.h"
#include "rasterpdf/pagepainter.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <new>

using rasterpdf::DocumentTable;
using rasterpdf::OpenDocument;

namespace {

// Poppler reports every syntax problem of a damaged file on stderr. Callers only need the
// outcome, so the messages are dropped unless RASTERPDF_DEBUG is set.
void reportPopplerMessage(const std::string &message, void *)
{
    std::fprintf(stderr, "rasterpdf: %s\n", message.c_str());
}

void dropPopplerMessage(const std::string &, void *)
{
}

void routePopplerMessages()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const char *debug = std::getenv("RASTERPDF_DEBUG");
        const bool report = debug && *debug && *debug != '0';
        poppler::set_debug_error_function(report ? reportPopplerMessage : dropPopplerMessage, nullptr);
    });
}

bool isRegularFile(const char *path)
{
    struct stat info;
    return ::stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

bool isUsable(const RasterDC *dc)
{
    if (!dc || !dc->bits || dc->width <= 0 || dc->height <= 0)
        return false;
    const long long rowBytes = 4LL * dc->width;
    return dc->stride >= rowBytes || -static_cast<long long>(dc->stride) >= rowBytes;
}

} // namespace

extern "C" {

int32_t OpenPDF(const char *path, int32_t /*reserved*/)
{
    // Poppler would block on a FIFO and read a folder as an empty file; only regular files go on.
    if (!path || !*path || !isRegularFile(path))
        return RASTERPDF_NOT_A_FILE;
    try {
        routePopplerMessages();
        std::unique_ptr<poppler::document> document(poppler::document::load_from_file(path));
        if (!document)
            return RASTERPDF_UNREADABLE;
        if (document->is_locked())
            return RASTERPDF_LOCKED;
        const int pages = document->pages();
        if (pages < 0)
            return RASTERPDF_UNREADABLE;
        auto open = std::make_shared<OpenDocument>(std::move(document), pages);
        const int32_t handle = DocumentTable::instance().add(std::move(open));
        return handle > 0 ? handle : RASTERPDF_NO_RESOURCES;
    } catch (const std::bad_alloc &) {
        return RASTERPDF_NO_RESOURCES;
    } catch (...) {
        return RASTERPDF_UNREADABLE;
    }
}

int32_t GetPageCount(int32_t handle)
{
    const auto document = DocumentTable::instance().find(handle);
    return document ? document->pageCount : -1;
}

void RenderDC(const RasterDC *dc, int32_t handle, int32_t page, int32_t /*quality*/, int32_t /*reserved1*/,
              int32_t /*reserved2*/, int32_t width, int32_t height)
{
    if (!isUsable(dc) || width <= 0 || height <= 0)
        return;
    const auto document = DocumentTable::instance().find(handle);
    if (!document || page < 1 || page > document->pageCount)
        return;
    try {
        std::lock_guard guard(document->lock);
        std::unique_ptr<poppler::page> pdfPage(document->document->create_page(page - 1));
        if (pdfPage)
            rasterpdf::paintPage(*pdfPage, *dc, width, height);
    } catch (...) {
        // A page that cannot be drawn leaves whatever was drawn so far; the caller repaints later.
    }
}

void ClosePDF(int32_t handle)
{
    DocumentTable::instance().remove(handle);
}

} // extern "C"
