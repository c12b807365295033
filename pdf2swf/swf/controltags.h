#pragma once
// Writers of the display-list and timeline tags: FileAttributes, SetBackgroundColor,
// PlaceObject2, RemoveObject2, FrameLabel, ShowFrame, End and DefineSprite.
// Each function appends one complete tag (header and body) to the sink.

#include "fields.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace swf {

class ByteSink;

struct Placement {
    uint16_t depth = 1;
    std::optional<uint16_t> characterId;
    std::optional<Matrix> matrix;
    std::string name;  // instance name; empty for none
    bool move = false; // modify (or with a character, replace) what stands at depth
};

// Flags of the FileAttributes tag; a movie of version 8 or later must start with it.
void writeFileAttributes(ByteSink& sink, bool actionScript3, bool useNetwork);
void writeSetBackgroundColor(ByteSink& sink, Rgb color);
void writePlaceObject2(ByteSink& sink, const Placement& placement);
void writeRemoveObject2(ByteSink& sink, uint16_t depth);
void writeFrameLabel(ByteSink& sink, const std::string& label);
void writeShowFrame(ByteSink& sink);
void writeEnd(ByteSink& sink);
// DefineSprite: a movie clip whose timeline is controlTags (already encoded, without the
// closing End tag, which this adds).
void writeDefineSprite(ByteSink& sink, uint16_t spriteId, uint16_t frameCount, std::span<const uint8_t> controlTags);

} // namespace swf
