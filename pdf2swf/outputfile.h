#pragma once
// The movie file being written. Nothing appears under the final name until commit(): the
// bytes go to an unnamed file in the output folder (O_TMPFILE), linked into place at the end,
// or, where the file system cannot do that, to a hidden temporary name renamed at the end.
// A run killed at any moment therefore leaves either the older file or the complete new one.
// Not thread-safe; one owner.

#include "outputsink.h"

#include <cstdint>
#include <string>

namespace pdf2swf {

class OutputFile final : public swf::OutputSink {
public:
    enum class Mode { Automatic, NamedTemporary };

    // Throws ConvertError when the folder is missing or not writable, or when the path
    // names a folder.
    explicit OutputFile(std::string finalPath, Mode mode = Mode::Automatic);
    ~OutputFile();

    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void write(std::span<const uint8_t> data) override;
    void patch(uint64_t offset, std::span<const uint8_t> data) override;
    // Flushes the data to disk and puts the file in place, replacing an older one.
    void commit();

    bool isUnnamed() const { return m_temporaryPath.empty(); }
    const std::string& temporaryPath() const { return m_temporaryPath; }

private:
    bool openUnnamed();
    void openNamed();
    [[noreturn]] void fail(const std::string& what, int error) const;

    std::string m_finalPath;
    std::string m_folder;
    std::string m_temporaryPath; // empty for an unnamed file
    int m_fd = -1;
    bool m_committed = false;
};

} // namespace pdf2swf
