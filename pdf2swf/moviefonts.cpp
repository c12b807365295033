#include "moviefonts.h"

#include "fonttags.h"

#include <algorithm>
#include <cassert>
#include <set>
#include <vector>

namespace pdf2swf {

namespace {

struct Missing {
    std::shared_ptr<const TextFont> font;
    std::vector<std::shared_ptr<const GlyphOutline>> glyphs; // first appearance first
};

// Character codes for a part: the Unicode value where the page gives one that no other glyph
// of the part has, otherwise the next free code from the private use area on. The code table
// must rise, so the glyphs are sorted by code.
std::vector<std::pair<uint16_t, const GlyphOutline*>> codedGlyphs(const std::vector<std::shared_ptr<const GlyphOutline>>& glyphs)
{
    std::map<uint32_t, int> uses;
    for (const auto& g : glyphs)
        if (g->unicode)
            ++uses[g->unicode];
    std::set<uint16_t> taken;
    std::vector<std::pair<uint16_t, const GlyphOutline*>> coded;
    std::vector<const GlyphOutline*> uncoded;
    for (const auto& g : glyphs) {
        if (g->unicode && g->unicode <= 0xffff && uses[g->unicode] == 1) {
            coded.emplace_back(static_cast<uint16_t>(g->unicode), g.get());
            taken.insert(static_cast<uint16_t>(g->unicode));
        } else {
            uncoded.push_back(g.get());
        }
    }
    uint32_t next = 0xe000;
    for (const GlyphOutline* g : uncoded) {
        while (next == 0 || taken.count(static_cast<uint16_t>(next)))
            next = (next + 1) & 0xffff;
        coded.emplace_back(static_cast<uint16_t>(next), g);
        taken.insert(static_cast<uint16_t>(next));
    }
    std::sort(coded.begin(), coded.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return coded;
}

} // namespace

void MovieFonts::define(const PageText& text, const std::function<uint16_t()>& takeId, swf::ByteSink& tags)
{
    std::map<FontKey, Missing> missing;
    size_t missingCount = 0;
    auto collect = [&] {
        missing.clear();
        missingCount = 0;
        std::map<FontKey, std::set<uint32_t>> seen;
        for (const PageGlyph& g : text.glyphs) {
            const FontKey& key = g.font->key;
            auto known = m_slots.find(key);
            if (known != m_slots.end() && known->second.count(g.outline->code))
                continue;
            if (!seen[key].insert(g.outline->code).second)
                continue;
            Missing& m = missing[key];
            m.font = g.font;
            m.glyphs.push_back(g.outline);
            ++missingCount;
        }
    };
    collect();
    if (m_glyphCount + missingCount > maxGlyphs) {
        m_slots.clear();
        m_glyphCount = 0;
        collect();
    }

    for (const auto& [key, part] : missing) {
        // A part holds at most 65535 glyphs; a page with more of one font gets several parts.
        for (size_t first = 0; first < part.glyphs.size(); first += 0xffff) {
            const size_t count = std::min<size_t>(0xffff, part.glyphs.size() - first);
            const std::vector<std::shared_ptr<const GlyphOutline>> some(part.glyphs.begin() + static_cast<std::ptrdiff_t>(first),
                                                                        part.glyphs.begin() + static_cast<std::ptrdiff_t>(first + count));
            swf::EmbeddedFont font;
            font.name = part.font->name;
            font.bold = part.font->bold;
            font.italic = part.font->italic;
            font.ascent = part.font->ascentUnits;
            font.descent = part.font->descentUnits;
            const uint16_t fontId = takeId();
            auto& slots = m_slots[key];
            for (const auto& [code, glyph] : codedGlyphs(some)) {
                slots[glyph->code] = {fontId, static_cast<uint16_t>(font.glyphs.size())};
                font.glyphs.push_back({code, glyph->shape, glyph->advanceUnits, glyph->bounds});
            }
            swf::writeDefineFont(tags, fontTag, fontId, font);
            m_glyphCount += count;
        }
    }
}

MovieFonts::Slot MovieFonts::slot(const FontKey& key, uint32_t code) const
{
    const auto font = m_slots.find(key);
    assert(font != m_slots.end());
    const auto glyph = font->second.find(code);
    assert(glyph != font->second.end());
    return glyph->second;
}

} // namespace pdf2swf
