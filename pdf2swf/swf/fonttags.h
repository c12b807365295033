#pragma once
// Writers of DefineFont2 and DefineFont3: an embedded font with its glyph outlines, in units
// of 1/1024 em (DefineFont2) or twenty times finer (DefineFont3), and a layout table of
// advances and bounds. Only the glyphs a movie draws are written; static text refers to them
// by index.

#include "fields.h"

#include <cstdint>
#include <string>
#include <vector>

namespace swf {

class ByteSink;

enum class FontTag { DefineFont2, DefineFont3 };

constexpr int32_t unitsPerEm(FontTag tag)
{
    return tag == FontTag::DefineFont2 ? 1024 : 20480;
}

struct FontGlyph {
    uint16_t code = 0;          // character code; the table must rise strictly
    std::vector<uint8_t> shape; // a glyph SHAPE (GlyphShapeBuilder::encode)
    int16_t advance = 0;        // font units
    Rect bounds;                // font units
};

struct EmbeddedFont {
    std::string name; // shorter than 256 bytes
    bool bold = false;
    bool italic = false;
    uint16_t ascent = 0; // font units
    uint16_t descent = 0;
    std::vector<FontGlyph> glyphs; // at least one; glyph index = position here
};

void writeDefineFont(ByteSink& sink, FontTag tag, uint16_t fontId, const EmbeddedFont& font);

} // namespace swf
