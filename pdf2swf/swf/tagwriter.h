#pragma once
// Tag records: RECORDHEADER (code and length) followed by the body. A body shorter than 63
// bytes gets the short header (one UI16), anything else the long one (UI16 with length 0x3f,
// then UI32 length). Bitmap tags always take the long header, as players expect.

#include "tagcode.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace swf {

class ByteSink;

enum class HeaderForm { Shortest, Long };

constexpr uint32_t shortHeaderLimit = 0x3f; // lengths from here on need the long header

void writeTagHeader(ByteSink& sink, TagCode code, uint32_t bodyLength, HeaderForm form = HeaderForm::Shortest);
void writeTag(ByteSink& sink, TagCode code, std::span<const uint8_t> body, HeaderForm form = HeaderForm::Shortest);
size_t tagHeaderSize(uint32_t bodyLength, HeaderForm form = HeaderForm::Shortest);

// Definition tags begin their body with the character id. A tag encoded before its id was
// known (on another thread) gets it here.
void setCharacterId(std::span<uint8_t> tag, uint16_t characterId);

} // namespace swf
