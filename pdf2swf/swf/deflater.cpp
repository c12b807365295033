#include "deflater.h"

#include <algorithm>
#include <cassert>
#include <stdexcept>

namespace swf {

Deflater::Deflater(int level)
    : m_level(level)
{
    if (deflateInit(&m_stream, level) != Z_OK)
        throw std::runtime_error("zlib initialisation failed");
}

Deflater::~Deflater()
{
    deflateEnd(&m_stream);
}

void Deflater::write(std::span<const uint8_t> data)
{
    assert(!m_finished);
    if (!data.empty())
        run(data.data(), data.size(), Z_NO_FLUSH);
}

void Deflater::setLevel(int level)
{
    assert(!m_finished);
    if (level == m_level)
        return;
    // deflateParams may need output room to flush what was compressed at the old level.
    for (;;) {
        const size_t room = reserveRoom(4096);
        m_stream.next_out = m_buffer.data() + m_used;
        m_stream.avail_out = static_cast<uInt>(room);
        const int rc = deflateParams(&m_stream, level, Z_DEFAULT_STRATEGY);
        m_used += room - m_stream.avail_out;
        if (rc == Z_OK)
            break;
        if (rc != Z_BUF_ERROR)
            throw std::runtime_error("zlib level change failed");
    }
    m_level = level;
}

void Deflater::finish()
{
    assert(!m_finished);
    run(nullptr, 0, Z_FINISH);
    m_finished = true;
}

std::vector<uint8_t> Deflater::takeOutput()
{
    m_buffer.resize(m_used);
    std::vector<uint8_t> out;
    out.swap(m_buffer);
    m_used = 0;
    return out;
}

size_t Deflater::reserveRoom(size_t minRoom)
{
    if (m_buffer.size() - m_used < minRoom)
        m_buffer.resize(std::max(m_used + minRoom, m_buffer.size() * 2));
    return m_buffer.size() - m_used;
}

void Deflater::run(const uint8_t* data, size_t size, int flush)
{
    m_stream.next_in = const_cast<Bytef*>(data);
    m_stream.avail_in = static_cast<uInt>(size);
    assert(size == m_stream.avail_in);
    for (;;) {
        const size_t room = std::min<size_t>(reserveRoom(16384), 1u << 30);
        m_stream.next_out = m_buffer.data() + m_used;
        m_stream.avail_out = static_cast<uInt>(room);
        const int rc = deflate(&m_stream, flush);
        m_used += room - m_stream.avail_out;
        if (rc == Z_STREAM_ERROR)
            throw std::runtime_error("zlib compression failed");
        if (flush == Z_FINISH ? rc == Z_STREAM_END : (m_stream.avail_in == 0 && m_stream.avail_out != 0))
            break;
    }
}

} // namespace swf
