#include "rasterpdf/documenttable.h"

#include <poppler-document.h>

#include <limits>

namespace rasterpdf {

OpenDocument::OpenDocument(std::unique_ptr<poppler::document> d, int32_t pages)
    : document(std::move(d)), pageCount(pages)
{
}

OpenDocument::~OpenDocument() = default;

DocumentTable &DocumentTable::instance()
{
    static DocumentTable table;
    return table;
}

int32_t DocumentTable::add(std::shared_ptr<OpenDocument> document)
{
    std::lock_guard guard(m_lock);
    constexpr auto maxHandle = std::numeric_limits<int32_t>::max();
    if (m_documents.size() >= static_cast<size_t>(maxHandle))
        return 0;
    while (m_documents.count(m_nextHandle))
        m_nextHandle = m_nextHandle == maxHandle ? 1 : m_nextHandle + 1;
    const int32_t handle = m_nextHandle;
    m_nextHandle = m_nextHandle == maxHandle ? 1 : m_nextHandle + 1;
    m_documents.emplace(handle, std::move(document));
    return handle;
}

std::shared_ptr<OpenDocument> DocumentTable::find(int32_t handle) const
{
    if (handle <= 0)
        return nullptr;
    std::lock_guard guard(m_lock);
    const auto it = m_documents.find(handle);
    return it == m_documents.end() ? nullptr : it->second;
}

void DocumentTable::remove(int32_t handle)
{
    if (handle <= 0)
        return;
    std::shared_ptr<OpenDocument> closing;
    {
        std::lock_guard guard(m_lock);
        const auto it = m_documents.find(handle);
        if (it == m_documents.end())
            return;
        closing = std::move(it->second);
        m_documents.erase(it);
    }
    // The document is freed here, outside the table lock, unless a render still holds it.
}

} // namespace rasterpdf
