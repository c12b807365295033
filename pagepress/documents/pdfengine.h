#pragma once

#include "rasterpdf/rasterpdf.h"

#include <QString>

#include <cstdint>

// The application's only way to the PDF engine, so tests can put a scripted engine in its
// place. Implementations must allow calls from two threads at once on different handles.
// Handles follow the engine's rules: 1 or more when open, negative when an open failed, 0 none.
class PdfEngine {
public:
    virtual ~PdfEngine();

    virtual int32_t open(const QString &path) = 0;
    virtual int32_t pageCount(int32_t handle) = 0;
    // Draws a 1-based page fitted into width x height pixels at the surface's top left; draws
    // nothing for handle 0 or page 0.
    virtual void render(const RasterDC &dc, int32_t handle, int32_t page, int32_t width, int32_t height) = 0;
    // Accepts 0 and negative handles and then does nothing.
    virtual void close(int32_t handle) = 0;
};

// The engine the application uses: the rasterpdf library unless another one is installed.
PdfEngine &pdfEngine();

// Installs `engine` (not owned) for the whole process and returns the one it replaces;
// nullptr puts the rasterpdf engine back. Install before any worker thread starts.
PdfEngine *setPdfEngine(PdfEngine *engine);

// Installs an engine for the lifetime of a scope and restores the previous one afterwards.
class ScopedPdfEngine {
public:
    explicit ScopedPdfEngine(PdfEngine &engine) : m_previous(setPdfEngine(&engine)) {}
    ~ScopedPdfEngine() { setPdfEngine(m_previous); }
    ScopedPdfEngine(const ScopedPdfEngine &) = delete;
    ScopedPdfEngine &operator=(const ScopedPdfEngine &) = delete;

private:
    PdfEngine *m_previous;
};
