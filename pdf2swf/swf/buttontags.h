#pragma once
// Writer of DefineButton2: the shapes a button shows in its states and the actions run on
// a click or a key press. Appends one complete tag.

#include "actionbuilder.h"
#include "fields.h"

#include <cstdint>
#include <vector>

namespace swf {

class ByteSink;

enum ButtonState : uint8_t { StateUp = 0x01, StateOver = 0x02, StateDown = 0x04, StateHitTest = 0x08 };

struct ButtonRecord {
    uint8_t states = 0; // ButtonState flags
    uint16_t characterId = 0;
    uint16_t depth = 1;
    Matrix matrix;
};

// Key codes of CondKeyPress for keys without a character.
enum class ButtonKey : uint8_t { None = 0, Left = 1, Right = 2, Home = 3, End = 4, PageUp = 16, PageDown = 17 };

struct ButtonAction {
    bool onRelease = true; // CondOverDownToOverUp: a click released over the button
    ButtonKey key = ButtonKey::None;
    ActionBuilder actions;
};

void writeDefineButton2(ByteSink& sink, uint16_t buttonId, const std::vector<ButtonRecord>& records,
                        const std::vector<ButtonAction>& actions);

} // namespace swf
