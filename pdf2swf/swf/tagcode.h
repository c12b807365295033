#pragma once
// Tag codes of the SWF format that this writer produces or reads.

#include <cstdint>

namespace swf {

enum class TagCode : uint16_t {
    End = 0,
    ShowFrame = 1,
    DefineShape = 2,
    SetBackgroundColor = 9,
    DoAction = 12,
    DefineBitsLossless = 20,
    DefineBitsJpeg2 = 21,
    DefineShape2 = 22,
    PlaceObject2 = 26,
    RemoveObject2 = 28,
    DefineShape3 = 32,
    DefineText2 = 33,
    DefineButton2 = 34,
    DefineBitsLossless2 = 36,
    DefineEditText = 37,
    DefineSprite = 39,
    FrameLabel = 43,
    DefineFont2 = 48,
    FileAttributes = 69,
    DefineFont3 = 75,
};

} // namespace swf
