#pragma once
// Packs bit fields (UB, SB, FB of the SWF format) most significant bit first into a ByteSink.
// Records built of bit fields end byte-aligned: call flush() before writing whole bytes again.
// Not thread-safe; borrows the sink for its lifetime.

#include <cstdint>

namespace swf {

class ByteSink;

class BitWriter {
public:
    explicit BitWriter(ByteSink& sink) : m_sink(sink) {}
    ~BitWriter();

    BitWriter(const BitWriter&) = delete;
    BitWriter& operator=(const BitWriter&) = delete;

    // UB[bits]: value must fit in bits (0..32).
    void ub(int bits, uint32_t value);
    // SB[bits]: two's complement; value must fit in bits.
    void sb(int bits, int32_t value);
    // FB[bits]: signed 16.16 fixed point given in 1/65536 units.
    void fb(int bits, int32_t fixed16) { sb(bits, fixed16); }
    // Pads the current byte with zero bits and hands it to the sink.
    void flush();

    bool isAligned() const { return m_used == 0; }

    // Fewest bits that hold value as UB / as SB (SB always needs at least one bit for the sign).
    static int unsignedBits(uint32_t value);
    static int signedBits(int32_t value);

private:
    ByteSink& m_sink;
    uint8_t m_pending = 0;
    int m_used = 0; // bits of m_pending already filled, from the top
};

} // namespace swf
