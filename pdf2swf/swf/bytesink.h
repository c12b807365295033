#pragma once
// A growable little-endian byte buffer: the lowest layer of the SWF writer. Every multi-byte
// field of the format is little-endian; this class is the only place that knows it.
// Not thread-safe; one owner at a time.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace swf {

class ByteSink {
public:
    void u8(uint8_t value) { m_bytes.push_back(value); }
    void u16(uint16_t value);
    void u32(uint32_t value);
    void s16(int16_t value) { u16(static_cast<uint16_t>(value)); }
    void bytes(std::span<const uint8_t> data);
    // NUL-terminated text as the format's STRING type.
    void string(std::string_view text);
    // FIXED8: 8.8 fixed point, stored as UI16; value must lie in [0, 256).
    void fixed8(double value);

    // Overwrites a UI16/UI32 already written at offset (for lengths known only later).
    void patchU16(size_t offset, uint16_t value);
    void patchU32(size_t offset, uint32_t value);

    size_t size() const { return m_bytes.size(); }
    const std::vector<uint8_t>& data() const { return m_bytes; }
    std::vector<uint8_t> take() { return std::move(m_bytes); }
    void reserve(size_t n) { m_bytes.reserve(n); }
    void clear() { m_bytes.clear(); }

private:
    std::vector<uint8_t> m_bytes;
};

// Rounds a decimal rate to the nearest 8.8 fixed-point value (in 1/256 units).
uint16_t toFixed8(double value);

} // namespace swf
