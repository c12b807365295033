#pragma once

#include "pagepress/documents/pdfengine.h"

// The PDF engine of the installation: forwards to the rasterpdf library, with paths in the
// file system's encoding. Stateless, so any thread may use it.
class RasterPdfEngine final : public PdfEngine {
public:
    int32_t open(const QString &path) override;
    int32_t pageCount(int32_t handle) override;
    void render(const RasterDC &dc, int32_t handle, int32_t page, int32_t width, int32_t height) override;
    void close(int32_t handle) override;
};
