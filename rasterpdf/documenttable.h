#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace poppler {
class document;
}

namespace rasterpdf {

// One open document. Poppler objects of one document are not safe to use from two threads,
// so every use goes through `lock`.
struct OpenDocument {
    explicit OpenDocument(std::unique_ptr<poppler::document> d, int32_t pages);
    ~OpenDocument();

    std::mutex lock;
    std::unique_ptr<poppler::document> document;
    const int32_t pageCount;
};

// The process-wide table of open documents by handle. Thread-safe. A closed document lives
// on until the last call that found it has finished with it; handles are not reused until
// the counter wraps, so a stale handle does not reach a newer document.
class DocumentTable {
public:
    static DocumentTable &instance();

    // The new document's handle (1 or more), or 0 when every handle is taken.
    int32_t add(std::shared_ptr<OpenDocument> document);
    std::shared_ptr<OpenDocument> find(int32_t handle) const;
    void remove(int32_t handle);

private:
    mutable std::mutex m_lock;
    std::unordered_map<int32_t, std::shared_ptr<OpenDocument>> m_documents;
    int32_t m_nextHandle = 1;
};

} // namespace rasterpdf
