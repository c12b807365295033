#pragma once
// A viewer movie taken apart for merging under the pages: the tags that define its
// characters (kept as they are, so the pages take ids above maxCharacterId()), and its main
// timeline (display list, scripts, frames), which becomes the timeline of one clip.

#include <cstdint>
#include <string>
#include <vector>

namespace pdf2swf {

class ViewerTemplate {
public:
    // Throws ConvertError naming the file when it cannot be read or is not a usable movie.
    static ViewerTemplate load(const std::string& path);
    static ViewerTemplate fromBytes(std::vector<uint8_t> file, const std::string& nameForMessages);

    const std::vector<uint8_t>& definitionTags() const { return m_definitions; }
    const std::vector<uint8_t>& timelineTags() const { return m_timeline; } // no End tag
    uint16_t frameCount() const { return m_frameCount; }
    uint16_t maxCharacterId() const { return m_maxCharacterId; }
    int widthPixels() const { return m_widthPixels; }
    int heightPixels() const { return m_heightPixels; }

private:
    std::vector<uint8_t> m_definitions;
    std::vector<uint8_t> m_timeline;
    uint16_t m_frameCount = 0;
    uint16_t m_maxCharacterId = 0;
    int m_widthPixels = 0;
    int m_heightPixels = 0;
};

} // namespace pdf2swf
