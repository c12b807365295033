#include "bytesink.h"

#include <cassert>
#include <cmath>

namespace swf {

void ByteSink::u16(uint16_t value)
{
    m_bytes.push_back(static_cast<uint8_t>(value));
    m_bytes.push_back(static_cast<uint8_t>(value >> 8));
}

void ByteSink::u32(uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        m_bytes.push_back(static_cast<uint8_t>(value >> shift));
}

void ByteSink::bytes(std::span<const uint8_t> data)
{
    m_bytes.insert(m_bytes.end(), data.begin(), data.end());
}

void ByteSink::string(std::string_view text)
{
    assert(text.find('\0') == std::string_view::npos);
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
    m_bytes.push_back(0);
}

void ByteSink::fixed8(double value)
{
    u16(toFixed8(value));
}

void ByteSink::patchU16(size_t offset, uint16_t value)
{
    assert(offset + 2 <= m_bytes.size());
    m_bytes[offset] = static_cast<uint8_t>(value);
    m_bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

void ByteSink::patchU32(size_t offset, uint32_t value)
{
    assert(offset + 4 <= m_bytes.size());
    for (int i = 0; i < 4; ++i)
        m_bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint16_t toFixed8(double value)
{
    assert(value >= 0.0 && value < 256.0);
    const long scaled = std::lround(value * 256.0);
    return static_cast<uint16_t>(scaled > 0xffff ? 0xffff : scaled);
}

} // namespace swf
