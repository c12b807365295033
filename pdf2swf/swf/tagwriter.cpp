#include "tagwriter.h"

#include "bytesink.h"

#include <cassert>

namespace swf {

void writeTagHeader(ByteSink& sink, TagCode code, uint32_t bodyLength, HeaderForm form)
{
    const auto codeBits = static_cast<uint16_t>(static_cast<uint16_t>(code) << 6);
    if (form == HeaderForm::Shortest && bodyLength < shortHeaderLimit) {
        sink.u16(static_cast<uint16_t>(codeBits | bodyLength));
        return;
    }
    sink.u16(static_cast<uint16_t>(codeBits | shortHeaderLimit));
    sink.u32(bodyLength);
}

void writeTag(ByteSink& sink, TagCode code, std::span<const uint8_t> body, HeaderForm form)
{
    writeTagHeader(sink, code, static_cast<uint32_t>(body.size()), form);
    sink.bytes(body);
}

size_t tagHeaderSize(uint32_t bodyLength, HeaderForm form)
{
    return (form == HeaderForm::Shortest && bodyLength < shortHeaderLimit) ? 2 : 6;
}

void setCharacterId(std::span<uint8_t> tag, uint16_t characterId)
{
    assert(tag.size() >= 4);
    const size_t bodyStart = (tag[0] & 0x3f) == shortHeaderLimit ? 6 : 2;
    assert(tag.size() >= bodyStart + 2);
    tag[bodyStart] = static_cast<uint8_t>(characterId);
    tag[bodyStart + 1] = static_cast<uint8_t>(characterId >> 8);
}

} // namespace swf
