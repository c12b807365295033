#include "viewermovie.h"

#include "actionbuilder.h"
#include "bytesink.h"
#include "controltags.h"
#include "moviewriter.h"
#include "navigationart.h"
#include "outputsink.h"
#include "shapebuilder.h"
#include "texttags.h"

namespace pdf2swf {

using swf::twipsPerPixel;

namespace {

constexpr uint16_t barShapeId = 1;
constexpr uint16_t fontId = 2;
constexpr uint16_t counterId = 3;
constexpr uint16_t firstButtonId = 10;

constexpr int buttonWidth = 28;
constexpr int buttonHeight = 24;
constexpr int buttonTop = (ViewerMovie::barHeightPixels - buttonHeight) / 2;
constexpr int counterLeft = 84;
constexpr int counterRight = 236;

struct Control {
    NavigationIcon icon;
    int leftPixels;
    swf::ButtonKey key;
};

constexpr Control controls[] = {
    {NavigationIcon::First, 8, swf::ButtonKey::Home},
    {NavigationIcon::Previous, 44, swf::ButtonKey::Left},
    {NavigationIcon::Next, 248, swf::ButtonKey::Right},
    {NavigationIcon::Last, 284, swf::ButtonKey::End},
};

swf::ActionBuilder counterScript()
{
    swf::ActionBuilder a;
    a.pushString(ViewerMovie::counterVariable);
    a.pushProperty("_root", swf::Property::CurrentFrame);
    a.pushString(" / ");
    a.stringAdd();
    a.pushProperty("_root", swf::Property::TotalFrames);
    a.stringAdd();
    a.setVariable();
    return a;
}

// Each control turns the pages' timeline, then gives the target back to its own clip.
swf::ActionBuilder controlScript(NavigationIcon icon)
{
    swf::ActionBuilder a;
    switch (icon) {
    case NavigationIcon::First:
        a.setTarget("_root").gotoFrame(0);
        break;
    case NavigationIcon::Previous:
        a.setTarget("_root").previousFrame();
        break;
    case NavigationIcon::Next:
        a.setTarget("_root").nextFrame();
        break;
    case NavigationIcon::Last:
        a.pushProperty("_root", swf::Property::TotalFrames).setTarget("_root").gotoFrameFromStack();
        break;
    }
    a.setTarget("");
    return a;
}

ButtonLook barButtonLook()
{
    ButtonLook look;
    look.widthPixels = buttonWidth;
    look.heightPixels = buttonHeight;
    look.faceUp = {0x44, 0x48, 0x50, 0xff};
    look.faceOver = {0x5a, 0x60, 0x6c, 0xff};
    look.faceDown = {0x30, 0x34, 0x3a, 0xff};
    look.iconUp = {0xdd, 0xdd, 0xdd, 0xff};
    look.iconOver = {0xff, 0xff, 0xff, 0xff};
    return look;
}

} // namespace

std::vector<uint8_t> ViewerMovie::build()
{
    swf::ByteSink tags;
    swf::writeFileAttributes(tags, false, false);
    swf::writeSetBackgroundColor(tags, {0x2b, 0x2e, 0x33});

    swf::ShapeBuilder bar;
    const int barFill = bar.addSolidFill({0x2b, 0x2e, 0x33, 0xff});
    bar.rectangle({0, barWidthPixels * twipsPerPixel, 0, barHeightPixels * twipsPerPixel}, barFill);
    tags.bytes(bar.encode(barShapeId));

    swf::writeDeviceFont(tags, fontId, "_sans");
    swf::EditText counter;
    counter.bounds = {0, (counterRight - counterLeft) * twipsPerPixel, 0, 20 * twipsPerPixel};
    counter.fontId = fontId;
    counter.fontHeightTwips = 14 * twipsPerPixel;
    counter.color = {0xee, 0xee, 0xee, 0xff};
    counter.align = swf::TextAlign::Center;
    counter.variableName = counterVariable;
    swf::writeDefineEditText(tags, counterId, counter);

    std::vector<uint16_t> buttonIds;
    uint16_t nextId = firstButtonId;
    for (const Control& control : controls) {
        swf::ButtonAction action;
        action.key = control.key;
        action.actions = controlScript(control.icon);
        buttonIds.push_back(writeNavigationButton(tags, nextId, control.icon, barButtonLook(), {action}));
        nextId += navigationButtonIdCount;
    }

    swf::writePlaceObject2(tags, {1, barShapeId, swf::Matrix{}, {}, false});
    swf::writePlaceObject2(tags, {2, counterId, swf::Matrix::translation(counterLeft * twipsPerPixel, 7 * twipsPerPixel), {}, false});
    for (size_t i = 0; i < buttonIds.size(); ++i) {
        const auto at = swf::Matrix::translation(controls[i].leftPixels * twipsPerPixel, buttonTop * twipsPerPixel);
        swf::writePlaceObject2(tags, {static_cast<uint16_t>(3 + i), buttonIds[i], at, {}, false});
    }
    // Two frames, so that the clip keeps looping and the counter follows the pages.
    swf::writeDoAction(tags, counterScript());
    swf::writeShowFrame(tags);
    swf::writeDoAction(tags, counterScript());
    swf::writeShowFrame(tags);

    swf::MovieHeader header;
    header.compression = swf::Compression::Zlib;
    header.stage = {0, barWidthPixels * twipsPerPixel, 0, barHeightPixels * twipsPerPixel};
    header.framesPerSecond = 12;
    header.frameCount = 2;
    swf::MemorySink sink;
    swf::MovieWriter writer(sink, header);
    writer.writeTags(tags.data());
    writer.finish();
    return sink.bytes();
}

} // namespace pdf2swf
