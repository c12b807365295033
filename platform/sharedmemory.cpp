#include "platform/sharedmemory.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <utility>

namespace platform {

SharedMemoryView::SharedMemoryView(void* data, std::size_t size)
    : m_data(data)
    , m_size(size)
{
}

SharedMemoryView::~SharedMemoryView()
{
    if (m_data)
        munmap(m_data, m_size);
}

SharedMemoryView::SharedMemoryView(SharedMemoryView&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr))
    , m_size(std::exchange(other.m_size, 0))
{
}

SharedMemoryView& SharedMemoryView::operator=(SharedMemoryView&& other) noexcept
{
    if (this != &other) {
        if (m_data)
            munmap(m_data, m_size);
        m_data = std::exchange(other.m_data, nullptr);
        m_size = std::exchange(other.m_size, 0);
    }
    return *this;
}

int createSharedMemory(const std::string& name, std::size_t size)
{
    int fd = shm_open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    if (ftruncate(fd, static_cast<off_t>(size)) != 0) {
        close(fd);
        shm_unlink(name.c_str());
        return -1;
    }
    return fd;
}

int openSharedMemory(const std::string& name)
{
    return shm_open(name.c_str(), O_RDWR | O_CLOEXEC, 0);
}

SharedMemoryView mapSharedMemory(int descriptor, std::size_t size)
{
    if (descriptor < 0)
        return {};
    void* data = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, descriptor, 0);
    if (data == MAP_FAILED)
        return {};
    return SharedMemoryView(data, size);
}

void closeSharedMemory(int descriptor)
{
    if (descriptor >= 0)
        close(descriptor);
}

void unlinkSharedMemory(const std::string& name)
{
    shm_unlink(name.c_str());
}

} // namespace platform
