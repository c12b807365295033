#include "moviereader.h"

#include <stdexcept>

#include <zlib.h>

namespace swf {

namespace {

[[noreturn]] void fail(const char* why)
{
    throw std::runtime_error(why);
}

uint32_t readU32(const std::vector<uint8_t>& d, size_t pos)
{
    return uint32_t(d[pos]) | uint32_t(d[pos + 1]) << 8 | uint32_t(d[pos + 2]) << 16 | uint32_t(d[pos + 3]) << 24;
}

// Reads bits most significant first, for the RECT of the header.
class BitReader {
public:
    BitReader(const std::vector<uint8_t>& data, size_t pos) : m_data(data), m_bitPos(pos * 8) {}
    uint32_t ub(int bits)
    {
        uint32_t v = 0;
        for (int i = 0; i < bits; ++i) {
            const size_t byte = m_bitPos / 8;
            if (byte >= m_data.size())
                fail("movie header is cut short");
            v = (v << 1) | ((m_data[byte] >> (7 - m_bitPos % 8)) & 1u);
            ++m_bitPos;
        }
        return v;
    }
    int32_t sb(int bits)
    {
        const uint32_t v = ub(bits);
        if (bits == 0 || bits == 32)
            return static_cast<int32_t>(v);
        const uint32_t sign = 1u << (bits - 1);
        return static_cast<int32_t>((v ^ sign) - sign);
    }
    size_t alignedBytePos() const { return (m_bitPos + 7) / 8; }

private:
    const std::vector<uint8_t>& m_data;
    size_t m_bitPos;
};

} // namespace

MovieReader::MovieReader(std::vector<uint8_t> file)
{
    if (file.size() < 8 || file[1] != 'W' || file[2] != 'S' || (file[0] != 'F' && file[0] != 'C'))
        fail("not a movie file (or compressed with an unsupported method)");
    m_compressed = file[0] == 'C';
    m_version = file[3];
    const uint32_t length = readU32(file, 4);
    if (length < 8 || length > (1u << 30))
        fail("movie length in the header is out of range");
    if (m_compressed) {
        m_data.assign(file.begin(), file.begin() + 8);
        m_data.resize(length);
        uLongf outLength = length - 8;
        if (uncompress(m_data.data() + 8, &outLength, file.data() + 8, static_cast<uLong>(file.size() - 8)) != Z_OK
            || outLength != length - 8)
            fail("movie body does not decompress to its stated length");
    } else {
        if (file.size() != length)
            fail("movie length differs from its header");
        m_data = std::move(file);
    }

    BitReader bits(m_data, 8);
    const int n = static_cast<int>(bits.ub(5));
    m_stage.xMinTwips = bits.sb(n);
    m_stage.xMaxTwips = bits.sb(n);
    m_stage.yMinTwips = bits.sb(n);
    m_stage.yMaxTwips = bits.sb(n);
    size_t pos = bits.alignedBytePos();
    if (pos + 4 > m_data.size())
        fail("movie header is cut short");
    m_frameRate = static_cast<uint16_t>(m_data[pos] | m_data[pos + 1] << 8);
    m_frameCount = static_cast<uint16_t>(m_data[pos + 2] | m_data[pos + 3] << 8);
    pos += 4;

    for (;;) {
        if (pos + 2 > m_data.size())
            fail("movie ends without an End tag");
        const size_t start = pos;
        const uint16_t codeAndLength = static_cast<uint16_t>(m_data[pos] | m_data[pos + 1] << 8);
        pos += 2;
        uint32_t bodyLength = codeAndLength & 0x3f;
        if (bodyLength == 0x3f) {
            if (pos + 4 > m_data.size())
                fail("tag header is cut short");
            bodyLength = readU32(m_data, pos);
            pos += 4;
        }
        if (bodyLength > m_data.size() - pos)
            fail("tag runs past the end of the movie");
        const auto code = static_cast<TagCode>(codeAndLength >> 6);
        const std::span<const uint8_t> all(m_data);
        if (code == TagCode::End)
            break;
        m_tags.push_back({code, all.subspan(pos, bodyLength), all.subspan(start, pos + bodyLength - start)});
        pos += bodyLength;
    }
}

} // namespace swf
