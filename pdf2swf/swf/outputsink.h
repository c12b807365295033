#pragma once
// Where a movie's bytes go: appended in order, with the few header bytes whose value is
// known only at the end written again at their offset. A failed write throws.

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

namespace swf {

class OutputSink {
public:
    virtual void write(std::span<const uint8_t> data) = 0;
    virtual void patch(uint64_t offset, std::span<const uint8_t> data) = 0;

protected:
    ~OutputSink() = default;
};

// Keeps the movie in memory (tests, and movies small enough to build whole).
class MemorySink final : public OutputSink {
public:
    void write(std::span<const uint8_t> data) override { m_bytes.insert(m_bytes.end(), data.begin(), data.end()); }
    void patch(uint64_t offset, std::span<const uint8_t> data) override
    {
        std::copy(data.begin(), data.end(), m_bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    const std::vector<uint8_t>& bytes() const { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
};

} // namespace swf
