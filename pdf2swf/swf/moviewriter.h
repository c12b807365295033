#pragma once
// Writes a whole movie to an OutputSink: the file header, then tags as the caller hands
// them over, then the End tag. A compressed movie (CWS) deflates everything after the first
// eight bytes as one zlib stream; tag data that is already compressed (bitmaps) is stored
// in that stream rather than squeezed twice. The file length in the header is patched at
// the end, so the caller needs no sizes up front; the frame count must be known.
// Not thread-safe; one movie per writer.

#include "fields.h"

#include <cstdint>
#include <memory>
#include <span>

namespace swf {

class Deflater;
class OutputSink;

enum class Compression { None, Zlib };
enum class Content { Plain, Precompressed };

struct MovieHeader {
    uint8_t version = 8;
    Compression compression = Compression::Zlib;
    Rect stage;
    double framesPerSecond = 12.0;
    uint16_t frameCount = 1;
};

class MovieWriter {
public:
    MovieWriter(OutputSink& sink, const MovieHeader& header);
    ~MovieWriter();

    // Whole tags, already encoded; frames are counted from the ShowFrame tags among them.
    void writeTags(std::span<const uint8_t> tags, Content content = Content::Plain);
    // Appends End, checks the frame count and patches the file length.
    void finish();

    uint64_t uncompressedLength() const { return m_length; }
    uint64_t framesWritten() const { return m_frames; }

private:
    void emit(std::span<const uint8_t> data);
    enum class Drain { WhenFull, Always };
    void drain(Drain when);
    void countFrames(std::span<const uint8_t> tags);

    OutputSink& m_sink;
    MovieHeader m_header;
    std::unique_ptr<Deflater> m_deflater;
    uint64_t m_length = 0; // uncompressed bytes, header included
    uint64_t m_frames = 0;
    bool m_finished = false;
};

} // namespace swf
