#pragma once
// Writers of the text tags: a DefineFont2 naming a device font (no glyphs, the player's own
// font is used) and a DefineEditText bound to a variable, which scripts fill in.

#include "fields.h"

#include <cstdint>
#include <string>

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

} // namespace swf
