#include "palettebuilder.h"

#include <array>

namespace pdf2swf {

namespace {

// Open addressing over the 24-bit colour; four times as many slots as colours allowed.
class ColorIndex {
public:
    ColorIndex() { m_keys.fill(0); }

    // Index of rgb, added when new; -1 once the table is full.
    int indexOf(uint32_t rgb, std::vector<swf::Rgba>& colors)
    {
        const uint32_t key = rgb | occupied;
        size_t slot = (rgb * 2654435761u) >> (32 - slotBits);
        for (;;) {
            if (m_keys[slot] == key)
                return m_indices[slot];
            if (m_keys[slot] == 0) {
                if (colors.size() == PaletteBuilder::maxColors)
                    return -1;
                colors.push_back({static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb), 0xff});
                m_keys[slot] = key;
                m_indices[slot] = static_cast<uint8_t>(colors.size() - 1);
                return m_indices[slot];
            }
            slot = (slot + 1) & (m_keys.size() - 1);
        }
    }

private:
    static constexpr int slotBits = 10;
    static constexpr uint32_t occupied = 0x80000000u;
    std::array<uint32_t, 1u << slotBits> m_keys;
    std::array<uint8_t, 1u << slotBits> m_indices{};
};

} // namespace

std::optional<swf::PaletteBitmap> PaletteBuilder::build(const swf::PixelView& pixels)
{
    swf::PaletteBitmap bitmap;
    bitmap.width = pixels.width;
    bitmap.height = pixels.height;
    bitmap.indices.resize(static_cast<size_t>(pixels.width) * pixels.height);
    ColorIndex index;
    uint32_t lastColor = 0;
    int lastIndex = -1;
    uint8_t* out = bitmap.indices.data();
    for (int y = 0; y < pixels.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(pixels.data + static_cast<size_t>(y) * pixels.strideBytes);
        for (int x = 0; x < pixels.width; ++x) {
            const uint32_t rgb = row[x] & 0xffffff;
            // Runs of one colour are the rule on pages: skip the table for them.
            if (rgb != lastColor || lastIndex < 0) {
                lastIndex = index.indexOf(rgb, bitmap.colors);
                if (lastIndex < 0)
                    return std::nullopt;
                lastColor = rgb;
            }
            *out++ = static_cast<uint8_t>(lastIndex);
        }
    }
    return bitmap;
}

} // namespace pdf2swf
