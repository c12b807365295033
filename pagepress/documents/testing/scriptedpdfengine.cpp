#include "pagepress/documents/testing/scriptedpdfengine.h"

#include <algorithm>
#include <thread>

void ScriptedPdfEngine::setDefaultPageCount(int32_t pages)
{
    std::lock_guard guard(m_lock);
    m_defaultPageCount = pages;
}

void ScriptedPdfEngine::setPageCount(const QString &path, int32_t pages)
{
    std::lock_guard guard(m_lock);
    m_pageCounts.insert(path, pages);
}

void ScriptedPdfEngine::setOpenResult(const QString &path, int32_t negativeResult)
{
    std::lock_guard guard(m_lock);
    m_openResults.insert(path, std::min(negativeResult, -1));
}

void ScriptedPdfEngine::setOpenDelay(std::chrono::milliseconds delay)
{
    std::lock_guard guard(m_lock);
    m_openDelay = delay;
}

void ScriptedPdfEngine::holdOpens()
{
    std::lock_guard guard(m_lock);
    m_holding = true;
}

void ScriptedPdfEngine::releaseOpens()
{
    {
        std::lock_guard guard(m_lock);
        m_holding = false;
    }
    m_released.notify_all();
}

int ScriptedPdfEngine::openCalls() const
{
    std::lock_guard guard(m_lock);
    return m_openCalls;
}

int ScriptedPdfEngine::pageCountCalls() const
{
    std::lock_guard guard(m_lock);
    return m_pageCountCalls;
}

int ScriptedPdfEngine::renderCalls() const
{
    std::lock_guard guard(m_lock);
    return static_cast<int>(m_renders.size());
}

int ScriptedPdfEngine::closeCalls() const
{
    std::lock_guard guard(m_lock);
    return m_closeCalls;
}

int ScriptedPdfEngine::openDocuments() const
{
    std::lock_guard guard(m_lock);
    return static_cast<int>(m_open.size());
}

int ScriptedPdfEngine::waitingOpens() const
{
    std::lock_guard guard(m_lock);
    return m_waiting;
}

QStringList ScriptedPdfEngine::openedPaths() const
{
    std::lock_guard guard(m_lock);
    return m_openedPaths;
}

std::vector<int32_t> ScriptedPdfEngine::closedHandles() const
{
    std::lock_guard guard(m_lock);
    return m_closedHandles;
}

std::vector<ScriptedPdfEngine::RenderCall> ScriptedPdfEngine::renders() const
{
    std::lock_guard guard(m_lock);
    return m_renders;
}

int32_t ScriptedPdfEngine::open(const QString &path)
{
    std::chrono::milliseconds delay;
    {
        std::lock_guard guard(m_lock);
        ++m_openCalls;
        m_openedPaths.append(path);
        delay = m_openDelay;
    }
    if (delay.count() > 0)
        std::this_thread::sleep_for(delay);

    std::unique_lock guard(m_lock);
    ++m_waiting;
    m_released.wait(guard, [this] { return !m_holding; });
    --m_waiting;
    if (const auto failure = m_openResults.constFind(path); failure != m_openResults.constEnd())
        return failure.value();
    const int32_t handle = m_nextHandle++;
    m_open.insert(handle, m_pageCounts.value(path, m_defaultPageCount));
    return handle;
}

int32_t ScriptedPdfEngine::pageCount(int32_t handle)
{
    std::lock_guard guard(m_lock);
    ++m_pageCountCalls;
    return m_open.value(handle, -1);
}

void ScriptedPdfEngine::render(const RasterDC &dc, int32_t handle, int32_t page, int32_t width, int32_t height)
{
    int32_t pages = 0;
    {
        std::lock_guard guard(m_lock);
        m_renders.push_back({handle, page, width, height});
        pages = m_open.value(handle, 0);
    }
    if (page < 1 || page > pages || !dc.bits)
        return;
    const int right = std::min(width, dc.width);
    const int bottom = std::min(height, dc.height);
    for (int y = 0; y < bottom; ++y) {
        auto *row = reinterpret_cast<uint32_t *>(static_cast<unsigned char *>(dc.bits) + static_cast<ptrdiff_t>(y) * dc.stride);
        std::fill_n(row, std::max(right, 0), pageColour);
    }
}

void ScriptedPdfEngine::close(int32_t handle)
{
    std::lock_guard guard(m_lock);
    ++m_closeCalls;
    m_closedHandles.push_back(handle);
    m_open.remove(handle);
}
