#pragma once
// Reads a movie file far enough to take it apart: header fields and the tag list of the
// main timeline. Used to merge a viewer movie into the converted pages. Input is untrusted:
// every inconsistency is reported by an exception, never asserted.

#include "fields.h"
#include "tagcode.h"

#include <cstdint>
#include <span>
#include <vector>

namespace swf {

struct TagView {
    TagCode code = TagCode::End;
    std::span<const uint8_t> body;
    std::span<const uint8_t> whole; // header and body, as found in the file
};

class MovieReader {
public:
    // Throws std::runtime_error when data is not a complete, consistent movie.
    explicit MovieReader(std::vector<uint8_t> fileBytes);
    // The tag views point into the reader's own copy of the file.
    MovieReader(const MovieReader&) = delete;
    MovieReader& operator=(const MovieReader&) = delete;

    uint8_t version() const { return m_version; }
    bool isCompressed() const { return m_compressed; }
    const Rect& stage() const { return m_stage; }
    uint16_t frameRate8dot8() const { return m_frameRate; }
    uint16_t frameCount() const { return m_frameCount; }
    // Tags of the main timeline, End excluded.
    const std::vector<TagView>& tags() const { return m_tags; }

private:
    std::vector<uint8_t> m_data; // uncompressed file
    uint8_t m_version = 0;
    bool m_compressed = false;
    Rect m_stage;
    uint16_t m_frameRate = 0;
    uint16_t m_frameCount = 0;
    std::vector<TagView> m_tags;
};

} // namespace swf
