#include "texttags.h"

#include "bytesink.h"
#include "tagwriter.h"

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

} // namespace swf
