#include "tagwriter.h"

#include "bytesink.h"

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

} // namespace swf
