#include "actionbuilder.h"

#include "bytesink.h"
#include "tagwriter.h"

#include <cassert>

namespace swf {

namespace {

enum : uint8_t {
    actionNextFrame = 0x04,
    actionPreviousFrame = 0x05,
    actionPlay = 0x06,
    actionStop = 0x07,
    actionGetVariable = 0x1c,
    actionSetVariable = 0x1d,
    actionStringAdd = 0x21,
    actionGetProperty = 0x22,
    actionGotoFrame = 0x81,
    actionSetTarget = 0x8b,
    actionPush = 0x96,
    actionGotoFrame2 = 0x9f,
};

enum : uint8_t { pushTypeString = 0, pushTypeInteger = 7 };

} // namespace

ActionBuilder& ActionBuilder::simple(uint8_t code)
{
    assert(code < 0x80); // codes from 0x80 carry a length and data
    m_code.push_back(code);
    return *this;
}

ActionBuilder& ActionBuilder::withData(uint8_t code, const std::vector<uint8_t>& data)
{
    assert(code >= 0x80 && data.size() <= 0xffff);
    ByteSink record;
    record.u8(code);
    record.u16(static_cast<uint16_t>(data.size()));
    record.bytes(data);
    m_code.insert(m_code.end(), record.data().begin(), record.data().end());
    return *this;
}

ActionBuilder& ActionBuilder::stop() { return simple(actionStop); }
ActionBuilder& ActionBuilder::play() { return simple(actionPlay); }
ActionBuilder& ActionBuilder::nextFrame() { return simple(actionNextFrame); }
ActionBuilder& ActionBuilder::previousFrame() { return simple(actionPreviousFrame); }
ActionBuilder& ActionBuilder::getProperty() { return simple(actionGetProperty); }
ActionBuilder& ActionBuilder::getVariable() { return simple(actionGetVariable); }
ActionBuilder& ActionBuilder::setVariable() { return simple(actionSetVariable); }
ActionBuilder& ActionBuilder::stringAdd() { return simple(actionStringAdd); }

ActionBuilder& ActionBuilder::gotoFrame(uint16_t frameIndex)
{
    ByteSink data;
    data.u16(frameIndex);
    return withData(actionGotoFrame, data.data());
}

ActionBuilder& ActionBuilder::gotoFrameFromStack()
{
    return withData(actionGotoFrame2, {0x00}); // no scene bias, PlayFlag 0: stop there
}

ActionBuilder& ActionBuilder::setTarget(const std::string& path)
{
    ByteSink data;
    data.string(path);
    return withData(actionSetTarget, data.data());
}

ActionBuilder& ActionBuilder::pushString(const std::string& text)
{
    ByteSink data;
    data.u8(pushTypeString);
    data.string(text);
    return withData(actionPush, data.data());
}

ActionBuilder& ActionBuilder::pushInteger(int32_t value)
{
    ByteSink data;
    data.u8(pushTypeInteger);
    data.u32(static_cast<uint32_t>(value));
    return withData(actionPush, data.data());
}

ActionBuilder& ActionBuilder::pushProperty(const std::string& target, Property property)
{
    pushString(target);
    pushInteger(static_cast<int32_t>(property));
    return getProperty();
}

std::vector<uint8_t> ActionBuilder::bytes() const
{
    std::vector<uint8_t> out = m_code;
    out.push_back(0); // ActionEndFlag
    return out;
}

void writeDoAction(ByteSink& sink, const ActionBuilder& actions)
{
    writeTag(sink, TagCode::DoAction, actions.bytes());
}

} // namespace swf
