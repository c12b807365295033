#pragma once

#include "pagepress/documents/pdfengine.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

// A PDF engine for tests: opens any path without reading it, with page counts, failures and
// delays set by the test, and records every call. Thread-safe; install it with ScopedPdfEngine.
// render() paints the visible part of the area in pageColour when handle and page are valid.
class ScriptedPdfEngine final : public PdfEngine {
public:
    static constexpr uint32_t pageColour = 0xFF3366CCu;

    struct RenderCall {
        int32_t handle;
        int32_t page;
        int32_t width;
        int32_t height;
    };

    // Script.
    void setDefaultPageCount(int32_t pages);            // for paths without their own; 1 at first
    void setPageCount(const QString &path, int32_t pages);
    void setOpenResult(const QString &path, int32_t negativeResult = -1); // open fails with it
    void setOpenDelay(std::chrono::milliseconds delay); // every open sleeps this long first
    // While held, every open waits (after its delay) until released; for stopping mid-way.
    void holdOpens();
    void releaseOpens();

    // Observations.
    int openCalls() const;
    int pageCountCalls() const;
    int renderCalls() const;
    int closeCalls() const;
    int openDocuments() const; // opened and not yet closed
    int waitingOpens() const;  // opens now waiting in holdOpens()
    QStringList openedPaths() const;
    std::vector<int32_t> closedHandles() const;
    std::vector<RenderCall> renders() const;

    int32_t open(const QString &path) override;
    int32_t pageCount(int32_t handle) override;
    void render(const RasterDC &dc, int32_t handle, int32_t page, int32_t width, int32_t height) override;
    void close(int32_t handle) override;

private:
    mutable std::mutex m_lock;
    std::condition_variable m_released;
    int32_t m_defaultPageCount = 1;
    QHash<QString, int32_t> m_pageCounts;
    QHash<QString, int32_t> m_openResults;
    std::chrono::milliseconds m_openDelay{0};
    bool m_holding = false;
    int m_waiting = 0;

    int32_t m_nextHandle = 1;
    QHash<int32_t, int32_t> m_open; // handle -> page count
    int m_openCalls = 0;
    int m_pageCountCalls = 0;
    int m_closeCalls = 0;
    QStringList m_openedPaths;
    std::vector<int32_t> m_closedHandles;
    std::vector<RenderCall> m_renders;
};
