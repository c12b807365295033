#include "moviewriter.h"

#include "bytesink.h"
#include "controltags.h"
#include "deflater.h"
#include "outputsink.h"
#include "tagcode.h"

#include <cassert>
#include <stdexcept>

namespace swf {

namespace {

constexpr int plainLevel = 6;
constexpr int storedLevel = 0;
constexpr size_t fileLengthOffset = 4;
constexpr size_t drainThreshold = 256 * 1024; // fewer, larger writes to the sink

} // namespace

MovieWriter::MovieWriter(OutputSink& sink, const MovieHeader& header)
    : m_sink(sink)
    , m_header(header)
{
    ByteSink start;
    start.u8(header.compression == Compression::Zlib ? 'C' : 'F');
    start.u8('W');
    start.u8('S');
    start.u8(header.version);
    start.u32(0); // FileLength, patched by finish()
    m_sink.write(start.data());
    m_length = start.size();
    if (header.compression == Compression::Zlib)
        m_deflater = std::make_unique<Deflater>(plainLevel);

    ByteSink rest;
    writeRect(rest, header.stage);
    rest.fixed8(header.framesPerSecond);
    rest.u16(header.frameCount);
    emit(rest.data());
}

MovieWriter::~MovieWriter() = default;

void MovieWriter::writeTags(std::span<const uint8_t> tags, Content content)
{
    assert(!m_finished);
    countFrames(tags);
    if (m_deflater)
        m_deflater->setLevel(content == Content::Precompressed ? storedLevel : plainLevel);
    emit(tags);
}

void MovieWriter::finish()
{
    assert(!m_finished);
    if (m_frames != m_header.frameCount)
        throw std::logic_error("movie frame count differs from its header");
    ByteSink end;
    writeEnd(end);
    if (m_deflater)
        m_deflater->setLevel(plainLevel);
    emit(end.data());
    if (m_deflater) {
        m_deflater->finish();
        drain(Drain::Always);
    }
    if (m_length > UINT32_MAX)
        throw std::runtime_error("movie larger than 4 GB");
    ByteSink length;
    length.u32(static_cast<uint32_t>(m_length));
    m_sink.patch(fileLengthOffset, length.data());
    m_finished = true;
}

void MovieWriter::emit(std::span<const uint8_t> data)
{
    m_length += data.size();
    if (!m_deflater) {
        m_sink.write(data);
        return;
    }
    m_deflater->write(data);
    drain(Drain::WhenFull);
}

void MovieWriter::drain(Drain when)
{
    const auto out = m_deflater->output();
    if (out.empty() || (when == Drain::WhenFull && out.size() < drainThreshold))
        return;
    m_sink.write(out);
    m_deflater->discardOutput();
}

// Walks the tag headers: the data must be whole tags, and ShowFrame tags make the frames.
void MovieWriter::countFrames(std::span<const uint8_t> tags)
{
    size_t pos = 0;
    while (pos < tags.size()) {
        assert(pos + 2 <= tags.size());
        const uint16_t codeAndLength = static_cast<uint16_t>(tags[pos] | (tags[pos + 1] << 8));
        pos += 2;
        uint32_t length = codeAndLength & 0x3f;
        if (length == 0x3f) {
            assert(pos + 4 <= tags.size());
            length = uint32_t(tags[pos]) | uint32_t(tags[pos + 1]) << 8 | uint32_t(tags[pos + 2]) << 16
                | uint32_t(tags[pos + 3]) << 24;
            pos += 4;
        }
        const auto code = static_cast<TagCode>(codeAndLength >> 6);
        assert(code != TagCode::End); // finish() writes the only End of the main timeline
        if (code == TagCode::ShowFrame)
            ++m_frames;
        pos += length;
    }
    assert(pos == tags.size());
}

} // namespace swf
