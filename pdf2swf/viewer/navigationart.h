#pragma once
// The look of the page-turning controls, shared by the viewer movie and the tool's simple
// viewer: button faces and arrow icons as DefineShape3 tags, and the buttons built of them.
// Sizes are in pixels; a button's origin is its top-left corner.

#include "buttontags.h"
#include "fields.h"

#include <cstdint>
#include <vector>

namespace swf {
class ByteSink;
}

namespace pdf2swf {

enum class NavigationIcon { First, Previous, Next, Last };

struct ButtonLook {
    int widthPixels = 28;
    int heightPixels = 24;
    swf::Rgba faceUp;
    swf::Rgba faceOver;
    swf::Rgba faceDown;
    swf::Rgba iconUp;
    swf::Rgba iconOver;
};

// Appends the shapes and the DefineButton2 of one control. The button uses the ids
// firstId .. firstId + navigationButtonIdCount - 1; the button itself is the last of them.
constexpr uint16_t navigationButtonIdCount = 6;
uint16_t writeNavigationButton(swf::ByteSink& sink, uint16_t firstId, NavigationIcon icon, const ButtonLook& look,
                               std::vector<swf::ButtonAction> actions);

// Outlines (in twips) of an icon inside a button of the given size in pixels.
std::vector<std::vector<std::pair<int32_t, int32_t>>> iconOutlineTwips(NavigationIcon icon, int widthPixels,
                                                                       int heightPixels);

} // namespace pdf2swf
