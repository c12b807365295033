#include "fonttags.h"

#include "bytesink.h"
#include "tagwriter.h"

#include <cassert>

namespace swf {

void writeDefineFont(ByteSink& sink, FontTag tag, uint16_t fontId, const EmbeddedFont& font)
{
    assert(!font.glyphs.empty() && font.glyphs.size() <= 0xffff);
    assert(font.name.size() < 256);
    const size_t count = font.glyphs.size();
    size_t shapeBytes = 0;
    for (const FontGlyph& g : font.glyphs)
        shapeBytes += g.shape.size();
    // Offsets count from the start of the offset table, which holds one more entry: the
    // offset of the code table.
    const bool wideOffsets = (count + 1) * 2 + shapeBytes > 0xffff;
    const size_t offsetSize = wideOffsets ? 4 : 2;

    ByteSink body;
    body.u16(fontId);
    // HasLayout, ShiftJIS, SmallText, ANSI, WideOffsets, WideCodes (required by DefineFont3),
    // Italic, Bold
    body.u8(static_cast<uint8_t>(0x80 | (wideOffsets ? 0x08 : 0) | 0x04 | (font.italic ? 0x02 : 0) | (font.bold ? 0x01 : 0)));
    body.u8(0); // LanguageCode: none
    body.u8(static_cast<uint8_t>(font.name.size()));
    body.bytes({reinterpret_cast<const uint8_t*>(font.name.data()), font.name.size()});
    body.u16(static_cast<uint16_t>(count));

    size_t offset = (count + 1) * offsetSize;
    auto writeOffset = [&](size_t value) {
        if (wideOffsets)
            body.u32(static_cast<uint32_t>(value));
        else
            body.u16(static_cast<uint16_t>(value));
    };
    for (const FontGlyph& g : font.glyphs) {
        writeOffset(offset);
        offset += g.shape.size();
    }
    writeOffset(offset); // CodeTableOffset
    for (const FontGlyph& g : font.glyphs)
        body.bytes(g.shape);
    for (size_t i = 0; i < count; ++i) {
        assert(i == 0 || font.glyphs[i - 1].code < font.glyphs[i].code);
        body.u16(font.glyphs[i].code);
    }

    body.u16(font.ascent);  // FontAscent
    body.u16(font.descent); // FontDescent
    body.s16(0);            // FontLeading
    for (const FontGlyph& g : font.glyphs)
        body.s16(g.advance);
    for (const FontGlyph& g : font.glyphs)
        writeRect(body, g.bounds);
    body.u16(0); // KerningCount: static text carries its own advances
    writeTag(sink, tag == FontTag::DefineFont2 ? TagCode::DefineFont2 : TagCode::DefineFont3, body.data());
}

} // namespace swf
