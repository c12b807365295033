#pragma once
// Named POSIX shared-memory objects, used as a per-process rendezvous point.
// No locking: callers serialise their own use.

#include <cstddef>
#include <string>

namespace platform {

// A mapping of a named object. Owns the mapping, not the name: the object itself
// lives on until unlinkSharedMemory() is called.
class SharedMemoryView {
public:
    SharedMemoryView() = default;
    SharedMemoryView(void* data, std::size_t size);
    ~SharedMemoryView();
    SharedMemoryView(SharedMemoryView&& other) noexcept;
    SharedMemoryView& operator=(SharedMemoryView&& other) noexcept;
    SharedMemoryView(const SharedMemoryView&) = delete;
    SharedMemoryView& operator=(const SharedMemoryView&) = delete;

    bool isValid() const { return m_data != nullptr; }
    void* data() const { return m_data; }
    std::size_t size() const { return m_size; }

private:
    void* m_data = nullptr;
    std::size_t m_size = 0;
};

// Creates the object exclusively with the given size (fails if it exists) and returns
// its descriptor, or -1. The descriptor is the object's lasting handle.
int createSharedMemory(const std::string& name, std::size_t size);
// Opens an existing object read/write; -1 if there is none.
int openSharedMemory(const std::string& name);
SharedMemoryView mapSharedMemory(int descriptor, std::size_t size);
void closeSharedMemory(int descriptor);
void unlinkSharedMemory(const std::string& name);

} // namespace platform
