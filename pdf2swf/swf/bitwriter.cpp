#include "bitwriter.h"

#include "bytesink.h"

#include <algorithm>
#include <cassert>

namespace swf {

BitWriter::~BitWriter()
{
    // A record left half-written would shift every later field.
    assert(m_used == 0);
}

void BitWriter::ub(int bits, uint32_t value)
{
    assert(bits >= 0 && bits <= 32);
    assert(bits == 32 || (value >> bits) == 0);
    // As many bits at a time as the pending byte has room for.
    while (bits > 0) {
        const int take = std::min(bits, 8 - m_used);
        const uint32_t chunk = (value >> (bits - take)) & ((1u << take) - 1u);
        m_pending = static_cast<uint8_t>(m_pending | (chunk << (8 - m_used - take)));
        m_used += take;
        bits -= take;
        if (m_used == 8) {
            m_sink.u8(m_pending);
            m_pending = 0;
            m_used = 0;
        }
    }
}

void BitWriter::sb(int bits, int32_t value)
{
    assert(bits >= 0 && bits <= 32);
    assert(bits == 0 ? value == 0 : signedBits(value) <= bits);
    const uint32_t raw = static_cast<uint32_t>(value);
    ub(bits, bits == 32 ? raw : raw & ((1u << bits) - 1u));
}

void BitWriter::flush()
{
    if (m_used == 0)
        return;
    m_sink.u8(m_pending);
    m_pending = 0;
    m_used = 0;
}

int BitWriter::unsignedBits(uint32_t value)
{
    int bits = 0;
    while (value) {
        ++bits;
        value >>= 1;
    }
    return bits;
}

int BitWriter::signedBits(int32_t value)
{
    // Magnitude bits of the value (or of its one's complement when negative) plus the sign.
    const uint32_t magnitude = value < 0 ? ~static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    return unsignedBits(magnitude) + 1;
}

} // namespace swf
