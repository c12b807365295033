#pragma once
// A zlib stream (RFC 1950) built piece by piece into memory. Used both for the bitmap data
// inside tags and for the body of a compressed movie, whose caller drains the output as it
// grows. The compression level can change between pieces (already compressed data is
// better stored than squeezed again). Not thread-safe; one per stream.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include <zlib.h>

namespace swf {

class Deflater {
public:
    explicit Deflater(int level);
    ~Deflater();

    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    void write(std::span<const uint8_t> data);
    // Pieces written after this use the new level.
    void setLevel(int level);
    // Ends the stream (adler-32 trailer included); no write may follow.
    void finish();

    // Compressed bytes produced so far and not yet taken.
    std::span<const uint8_t> output() const { return {m_buffer.data(), m_used}; }
    std::vector<uint8_t> takeOutput();
    // Forgets the output produced so far (after the caller has copied it), keeping the buffer.
    void discardOutput() { m_used = 0; }
    // All compressed bytes produced since the start, taken or not.
    uint64_t totalOut() const { return m_stream.total_out; }
    uint64_t totalIn() const { return m_stream.total_in; }

private:
    void run(const uint8_t* data, size_t size, int flush);
    // Makes room for at least minRoom more bytes after the used part; returns the room.
    size_t reserveRoom(size_t minRoom);

    z_stream m_stream{};
    std::vector<uint8_t> m_buffer; // m_used bytes of output, the rest is room
    size_t m_used = 0;
    int m_level;
    bool m_finished = false;
};

} // namespace swf
