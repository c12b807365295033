#pragma once
// Reads the tool's command line. Switches come in any order:
//   pdf2swf <pdf> -o <out.swf> [-p <ranges>] [-s zoom=<dpi>] [-s framerate=<fps>] [-t]
//           [-s simpleviewer] [-B <viewer.swf>] [-s poly2bitmap] [-s rasteronly] [-s languagedir=<dir>]
//   pdf2swf --help | --version
// Arguments arrive as a vector (no shell), so paths are taken byte for byte.

#include "convertoptions.h"

#include <string>
#include <vector>

namespace pdf2swf {

class CommandLine {
public:
    enum class Request { Convert, Help, Version, Invalid };

    struct Result {
        Request request = Request::Invalid;
        ConvertOptions options;
        std::string error; // for Invalid: what is wrong, one line
    };

    static Result parse(const std::vector<std::string>& arguments);
    static std::string usage();
};

} // namespace pdf2swf
