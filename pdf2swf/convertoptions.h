#pragma once
// What one run of the tool is asked to do, as read from its command line.

#include "pagerange.h"

#include <optional>
#include <string>
#include <vector>

namespace pdf2swf {

// How text reaches the movie: as glyphs of embedded fonts over a picture of the rest, or as
// part of one picture of the whole page (the safe way, and the way to compare against).
enum class TextMode { Outlines, Picture };

struct ConvertOptions {
    static constexpr double minZoomDpi = 20;
    static constexpr double maxZoomDpi = 600;
    static constexpr double minFramesPerSecond = 0.01;
    static constexpr double maxFramesPerSecond = 255;

    std::string pdfPath;
    std::string outputPath;
    std::optional<std::vector<PageRange>> ranges; // none: every page
    double zoomDpi = 72;                          // 72: one pixel per PDF point
    std::optional<double> framesPerSecond;
    bool stopEachFrame = false;  // -t
    bool simpleViewer = false;   // -s simpleviewer
    std::string viewerPath;      // -B; empty for none
    std::string languageDir;     // -s languagedir=
    TextMode textMode = TextMode::Outlines; // -s rasteronly: Picture
};

} // namespace pdf2swf
