#include "texttags.h"

#include "bitwriter.h"
#include "bytesink.h"
#include "tagwriter.h"

#include <algorithm>
#include <cassert>

namespace swf {

void writeDeviceFont(ByteSink& sink, uint16_t fontId, const std::string& fontName)
{
    assert(fontName.size() < 256);
    ByteSink body;
    body.u16(fontId);
    body.u8(0); // no layout, not Shift-JIS, not small, not ANSI, narrow offsets and codes, plain
    body.u8(0); // LanguageCode: none
    body.u8(static_cast<uint8_t>(fontName.size()));
    body.bytes({reinterpret_cast<const uint8_t*>(fontName.data()), fontName.size()});
    body.u16(0); // NumGlyphs: a device font ends here
    writeTag(sink, TagCode::DefineFont2, body.data());
}

void writeDefineEditText(ByteSink& sink, uint16_t characterId, const EditText& text)
{
    ByteSink body;
    body.u16(characterId);
    writeRect(body, text.bounds);
    const bool hasText = !text.initialText.empty();
    // HasText, WordWrap, Multiline, Password, ReadOnly, HasTextColor, HasMaxLength, HasFont
    body.u8(static_cast<uint8_t>((hasText ? 0x80 : 0) | 0x08 | 0x04 | 0x01));
    // HasFontClass, AutoSize, HasLayout, NoSelect, Border, WasStatic, HTML, UseOutlines
    body.u8(0x20 | 0x10);
    body.u16(text.fontId);
    body.u16(text.fontHeightTwips);
    writeRgba(body, text.color);
    body.u8(static_cast<uint8_t>(text.align));
    body.u16(0); // LeftMargin
    body.u16(0); // RightMargin
    body.u16(0); // Indent
    body.s16(0); // Leading
    body.string(text.variableName);
    if (hasText)
        body.string(text.initialText);
    writeTag(sink, TagCode::DefineEditText, body.data());
}

void writeDefineText2(ByteSink& sink, uint16_t characterId, const StaticText& text)
{
    uint32_t maxIndex = 0;
    int advanceBits = 1;
    for (const TextRecord& r : text.records)
        for (const GlyphEntry& g : r.glyphs) {
            maxIndex = std::max(maxIndex, g.index);
            advanceBits = std::max(advanceBits, BitWriter::signedBits(g.advance));
        }
    const int glyphBits = std::max(1, BitWriter::unsignedBits(maxIndex));

    ByteSink body;
    body.u16(characterId);
    writeRect(body, text.bounds);
    writeMatrix(body, text.matrix);
    body.u8(static_cast<uint8_t>(glyphBits));
    body.u8(static_cast<uint8_t>(advanceBits));

    const TextRecord* previous = nullptr;
    for (const TextRecord& r : text.records) {
        assert(!r.glyphs.empty());
        int32_t x = r.xTwips;
        for (size_t first = 0; first < r.glyphs.size(); first += 255) {
            const size_t count = std::min<size_t>(255, r.glyphs.size() - first);
            const bool newFont = !previous || previous->fontId != r.fontId || previous->heightTwips != r.heightTwips;
            const bool newColor = !previous || previous->color.red != r.color.red || previous->color.green != r.color.green
                || previous->color.blue != r.color.blue || previous->color.alpha != r.color.alpha;
            // TextRecordType, 3 reserved bits, HasFont, HasColor, HasYOffset, HasXOffset
            body.u8(static_cast<uint8_t>(0x80 | (newFont ? 0x08 : 0) | (newColor ? 0x04 : 0) | 0x02 | 0x01));
            if (newFont)
                body.u16(r.fontId);
            if (newColor)
                writeRgba(body, r.color);
            assert(x >= INT16_MIN && x <= INT16_MAX);
            body.s16(static_cast<int16_t>(x));
            body.s16(r.yTwips);
            if (newFont)
                body.u16(r.heightTwips);
            body.u8(static_cast<uint8_t>(count));
            BitWriter bits(body);
            for (size_t i = first; i < first + count; ++i) {
                bits.ub(glyphBits, r.glyphs[i].index);
                bits.sb(advanceBits, r.glyphs[i].advance);
                x += r.glyphs[i].advance;
            }
            bits.flush();
            previous = &r;
        }
    }
    body.u8(0); // EndOfRecordsFlag
    writeTag(sink, TagCode::DefineText2, body.data());
}

} // namespace swf
