#include "navigationart.h"

#include "bytesink.h"
#include "shapebuilder.h"

namespace pdf2swf {

using swf::twipsPerPixel;

namespace {

std::vector<uint8_t> faceShape(uint16_t id, const ButtonLook& look, swf::Rgba color)
{
    swf::ShapeBuilder shape;
    const int fill = shape.addSolidFill(color);
    shape.rectangle({0, look.widthPixels * twipsPerPixel, 0, look.heightPixels * twipsPerPixel}, fill);
    return shape.encode(id);
}

std::vector<uint8_t> iconShape(uint16_t id, NavigationIcon icon, const ButtonLook& look, swf::Rgba color)
{
    swf::ShapeBuilder shape;
    const int fill = shape.addSolidFill(color);
    for (const auto& outline : iconOutlineTwips(icon, look.widthPixels, look.heightPixels))
        shape.polygon(outline, fill);
    return shape.encode(id);
}

} // namespace

std::vector<std::vector<std::pair<int32_t, int32_t>>> iconOutlineTwips(NavigationIcon icon, int widthPixels,
                                                                       int heightPixels)
{
    // A triangle of half the button's height, centred; First and Last add a bar beside it.
    const int32_t cx = widthPixels * twipsPerPixel / 2;
    const int32_t cy = heightPixels * twipsPerPixel / 2;
    const int32_t half = heightPixels * twipsPerPixel / 4;
    const int32_t barWidth = 2 * twipsPerPixel;
    const bool pointsLeft = icon == NavigationIcon::First || icon == NavigationIcon::Previous;
    std::vector<std::vector<std::pair<int32_t, int32_t>>> outlines;
    if (pointsLeft)
        outlines.push_back({{cx + half / 2, cy - half}, {cx + half / 2, cy + half}, {cx - half, cy}});
    else
        outlines.push_back({{cx - half / 2, cy - half}, {cx + half, cy}, {cx - half / 2, cy + half}});
    if (icon == NavigationIcon::First) {
        const int32_t x = cx - half - barWidth;
        outlines.push_back({{x, cy - half}, {x + barWidth, cy - half}, {x + barWidth, cy + half}, {x, cy + half}});
    } else if (icon == NavigationIcon::Last) {
        const int32_t x = cx + half;
        outlines.push_back({{x, cy - half}, {x + barWidth, cy - half}, {x + barWidth, cy + half}, {x, cy + half}});
    }
    return outlines;
}

uint16_t writeNavigationButton(swf::ByteSink& sink, uint16_t firstId, NavigationIcon icon, const ButtonLook& look,
                               std::vector<swf::ButtonAction> actions)
{
    const uint16_t faceUp = firstId;
    const uint16_t faceOver = firstId + 1;
    const uint16_t faceDown = firstId + 2;
    const uint16_t iconUp = firstId + 3;
    const uint16_t iconOver = firstId + 4;
    const uint16_t button = firstId + 5;
    static_assert(navigationButtonIdCount == 6);

    sink.bytes(faceShape(faceUp, look, look.faceUp));
    sink.bytes(faceShape(faceOver, look, look.faceOver));
    sink.bytes(faceShape(faceDown, look, look.faceDown));
    sink.bytes(iconShape(iconUp, icon, look, look.iconUp));
    sink.bytes(iconShape(iconOver, icon, look, look.iconOver));

    using swf::ButtonRecord;
    const std::vector<ButtonRecord> records = {
        {uint8_t(swf::StateUp | swf::StateHitTest), faceUp, 1, {}},
        {swf::StateOver, faceOver, 1, {}},
        {swf::StateDown, faceDown, 1, {}},
        {swf::StateUp, iconUp, 2, {}},
        {uint8_t(swf::StateOver | swf::StateDown), iconOver, 2, {}},
    };
    swf::writeDefineButton2(sink, button, records, actions);
    return button;
}

} // namespace pdf2swf
