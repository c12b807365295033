#pragma once
// Builds ActionScript 1 byte code (ACTIONRECORDs) for DoAction tags and button actions.
// Only the handful of actions the movies here need. Not thread-safe; one program per builder.

#include <cstdint>
#include <string>
#include <vector>

namespace swf {

class ByteSink;

// Indices of GetProperty.
enum class Property : int32_t { CurrentFrame = 4, TotalFrames = 5 };

class ActionBuilder {
public:
    ActionBuilder& stop();
    ActionBuilder& play();
    ActionBuilder& nextFrame();
    ActionBuilder& previousFrame();
    // GotoFrame: frameIndex is 0-based; the timeline stops there.
    ActionBuilder& gotoFrame(uint16_t frameIndex);
    // GotoFrame2 with the 1-based frame number taken from the stack; the timeline stops there.
    ActionBuilder& gotoFrameFromStack();
    // SetTarget: later timeline actions act on the clip at path ("" is the clip itself).
    ActionBuilder& setTarget(const std::string& path);
    ActionBuilder& pushString(const std::string& text);
    ActionBuilder& pushInteger(int32_t value);
    ActionBuilder& getProperty(); // pops index and target, pushes the value
    ActionBuilder& pushProperty(const std::string& target, Property property);
    ActionBuilder& getVariable();
    ActionBuilder& setVariable(); // pops value and name
    ActionBuilder& stringAdd();   // pops b and a, pushes a followed by b

    // The records followed by ActionEndFlag.
    std::vector<uint8_t> bytes() const;
    bool isEmpty() const { return m_code.empty(); }

private:
    ActionBuilder& simple(uint8_t code);
    ActionBuilder& withData(uint8_t code, const std::vector<uint8_t>& data);

    std::vector<uint8_t> m_code;
};

// Appends a DoAction tag with the actions of builder.
void writeDoAction(ByteSink& sink, const ActionBuilder& actions);

} // namespace swf
