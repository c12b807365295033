#include "pagepress/documents/pdfengine.h"

#include "pagepress/documents/rasterpdfengine.h"

#include <atomic>

namespace {

RasterPdfEngine &rasterPdfEngine()
{
    static RasterPdfEngine engine;
    return engine;
}

// Read by worker threads, so swapped atomically.
std::atomic<PdfEngine *> installedEngine{nullptr};

} // namespace

PdfEngine::~PdfEngine() = default;

PdfEngine &pdfEngine()
{
    PdfEngine *engine = installedEngine.load(std::memory_order_acquire);
    return engine ? *engine : rasterPdfEngine();
}

PdfEngine *setPdfEngine(PdfEngine *engine)
{
    PdfEngine *previous = installedEngine.exchange(engine, std::memory_order_acq_rel);
    return previous ? previous : &rasterPdfEngine();
}
