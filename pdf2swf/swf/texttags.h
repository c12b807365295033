#pragma once
// Writers of the text tags: a DefineFont2 naming a device font (no glyphs, the player's own
// font is used), a DefineEditText bound to a variable, which scripts fill in, and DefineText2:
// static text drawn with the glyphs of embedded fonts.

#include "fields.h"

#include <cstdint>
#include <string>
#include <vector>

namespace swf {

class ByteSink;

void writeDeviceFont(ByteSink& sink, uint16_t fontId, const std::string& fontName);

enum class TextAlign : uint8_t { Left = 0, Right = 1, Center = 2 };

struct EditText {
    Rect bounds;
    uint16_t fontId = 0;
    uint16_t fontHeightTwips = 240;
    Rgba color;
    TextAlign align = TextAlign::Left;
    std::string variableName;
    std::string initialText;
};

// A read-only, non-selectable, single-line field.
void writeDefineEditText(ByteSink& sink, uint16_t characterId, const EditText& text);

struct GlyphEntry {
    uint32_t index = 0;  // glyph of the record's font
    int32_t advance = 0; // twips from this glyph's origin to the next one's, in text space
};

// A run of glyphs on one baseline in one font, height and colour. Offsets are in the text's
// own space (before its matrix) and give the origin of the first glyph.
struct TextRecord {
    uint16_t fontId = 0;
    uint16_t heightTwips = 0; // the em of the font
    Rgba color;
    int16_t xTwips = 0;
    int16_t yTwips = 0;
    std::vector<GlyphEntry> glyphs;
};

struct StaticText {
    Rect bounds; // in the character's space (after the matrix)
    Matrix matrix;
    std::vector<TextRecord> records;
};

// Records are written in order; font, height and colour only where they change. Runs longer
// than a record holds are split.
void writeDefineText2(ByteSink& sink, uint16_t characterId, const StaticText& text);

} // namespace swf
