#pragma once
// The embedded fonts of one movie. A font of the pages becomes SWF fonts part by part: each
// page that draws glyphs no earlier part holds adds one font tag with just those, so a
// glyph is defined once per movie and every later page only refers to it. Memory stays
// bounded: past maxGlyphs the table is forgotten and later pages define their glyphs anew.
// Not thread-safe; pages in frame order.

#include "pagetext.h"

#include <cstdint>
#include <functional>
#include <map>
#include <unordered_map>

namespace swf {
class ByteSink;
}

namespace pdf2swf {

class MovieFonts {
public:
    static constexpr size_t maxGlyphs = 60000;

    struct Slot {
        uint16_t fontId = 0;
        uint16_t index = 0; // glyph index in that font
    };

    // Appends the font tags the page's text needs, taking character ids from takeId.
    void define(const PageText& text, const std::function<uint16_t()>& takeId, swf::ByteSink& tags);
    // Valid for every glyph of the last page passed to define().
    Slot slot(const FontKey& key, uint32_t code) const;

    size_t glyphCount() const { return m_glyphCount; }

private:
    std::map<FontKey, std::unordered_map<uint32_t, Slot>> m_slots;
    size_t m_glyphCount = 0;
};

} // namespace pdf2swf
