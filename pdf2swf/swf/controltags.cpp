#include "controltags.h"

#include "bitwriter.h"
#include "bytesink.h"
#include "tagwriter.h"

namespace swf {

void writeFileAttributes(ByteSink& sink, bool actionScript3, bool useNetwork)
{
    writeTagHeader(sink, TagCode::FileAttributes, 4);
    BitWriter bits(sink);
    bits.ub(1, 0); // reserved
    bits.ub(1, 0); // UseDirectBlit
    bits.ub(1, 0); // UseGPU
    bits.ub(1, 0); // HasMetadata
    bits.ub(1, actionScript3);
    bits.ub(2, 0); // reserved
    bits.ub(1, useNetwork);
    bits.ub(24, 0); // reserved
}

void writeSetBackgroundColor(ByteSink& sink, Rgb color)
{
    writeTagHeader(sink, TagCode::SetBackgroundColor, 3);
    writeRgb(sink, color);
}

void writePlaceObject2(ByteSink& sink, const Placement& p)
{
    ByteSink body;
    uint8_t flags = 0;
    if (!p.name.empty())
        flags |= 0x20; // PlaceFlagHasName
    if (p.matrix)
        flags |= 0x04; // PlaceFlagHasMatrix
    if (p.characterId)
        flags |= 0x02; // PlaceFlagHasCharacter
    if (p.move)
        flags |= 0x01; // PlaceFlagMove
    body.u8(flags);
    body.u16(p.depth);
    if (p.characterId)
        body.u16(*p.characterId);
    if (p.matrix)
        writeMatrix(body, *p.matrix);
    if (!p.name.empty())
        body.string(p.name);
    writeTag(sink, TagCode::PlaceObject2, body.data());
}

void writeRemoveObject2(ByteSink& sink, uint16_t depth)
{
    writeTagHeader(sink, TagCode::RemoveObject2, 2);
    sink.u16(depth);
}

void writeFrameLabel(ByteSink& sink, const std::string& label)
{
    writeTagHeader(sink, TagCode::FrameLabel, static_cast<uint32_t>(label.size() + 1));
    sink.string(label);
}

void writeShowFrame(ByteSink& sink)
{
    writeTagHeader(sink, TagCode::ShowFrame, 0);
}

void writeEnd(ByteSink& sink)
{
    writeTagHeader(sink, TagCode::End, 0);
}

void writeDefineSprite(ByteSink& sink, uint16_t spriteId, uint16_t frameCount, std::span<const uint8_t> controlTags)
{
    ByteSink body;
    body.u16(spriteId);
    body.u16(frameCount);
    body.bytes(controlTags);
    writeEnd(body);
    writeTag(sink, TagCode::DefineSprite, body.data());
}

} // namespace swf
