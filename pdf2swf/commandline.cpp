#include "commandline.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace pdf2swf {

namespace {

std::optional<double> decimalNumber(const std::string& text)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string numberRange(double low, double high)
{
    auto text = [](double v) {
        std::string s = std::to_string(v);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.')
            s.pop_back();
        return s;
    };
    return text(low) + " to " + text(high);
}

} // namespace

CommandLine::Result CommandLine::parse(const std::vector<std::string>& args)
{
    Result result;
    ConvertOptions& o = result.options;
    auto invalid = [&result](const std::string& why) {
        result.request = Request::Invalid;
        result.error = why;
        return result;
    };
    bool onlyFiles = false;

    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size())
                return false;
            into = args[++i];
            return true;
        };
        if (onlyFiles || arg.empty() || arg[0] != '-' || arg == "-") {
            if (!o.pdfPath.empty())
                return invalid("more than one input file given ('" + o.pdfPath + "' and '" + arg + "')");
            o.pdfPath = arg;
        } else if (arg == "--") {
            onlyFiles = true;
        } else if (arg == "--help" || arg == "-h") {
            result.request = Request::Help;
            return result;
        } else if (arg == "--version" || arg == "-V") {
            result.request = Request::Version;
            return result;
        } else if (arg == "-o") {
            if (!value(o.outputPath) || o.outputPath.empty())
                return invalid("switch -o needs an output file");
        } else if (arg == "-B") {
            if (!value(o.viewerPath) || o.viewerPath.empty())
                return invalid("switch -B needs a viewer movie");
        } else if (arg == "-t") {
            o.stopEachFrame = true;
        } else if (arg == "-p") {
            std::string text;
            if (!value(text))
                return invalid("switch -p needs a page range such as 1-3,5-7");
            o.ranges = parsePageRanges(text);
            if (!o.ranges)
                return invalid("bad page range '" + text + "' (expected ranges such as 1-3,5-7)");
        } else if (arg == "-s") {
            std::string setting;
            if (!value(setting))
                return invalid("switch -s needs a setting");
            const size_t eq = setting.find('=');
            const std::string key = setting.substr(0, eq);
            const std::string text = eq == std::string::npos ? std::string() : setting.substr(eq + 1);
            if (key == "poly2bitmap" && eq == std::string::npos) {
                // Shapes and images become pictures, text stays text: what the tool does anyway.
            } else if (key == "rasteronly" && eq == std::string::npos) {
                o.textMode = TextMode::Picture;
            } else if (key == "simpleviewer" && eq == std::string::npos) {
                o.simpleViewer = true;
            } else if (key == "languagedir" && eq != std::string::npos) {
                o.languageDir = text;
            } else if (key == "zoom" && eq != std::string::npos) {
                const auto dpi = decimalNumber(text);
                if (!dpi || *dpi < ConvertOptions::minZoomDpi || *dpi > ConvertOptions::maxZoomDpi)
                    return invalid("zoom '" + text + "' is out of range (" +
                                   numberRange(ConvertOptions::minZoomDpi, ConvertOptions::maxZoomDpi) + " dpi)");
                o.zoomDpi = *dpi;
            } else if (key == "framerate" && eq != std::string::npos) {
                const auto fps = decimalNumber(text);
                if (!fps || *fps < ConvertOptions::minFramesPerSecond || *fps > ConvertOptions::maxFramesPerSecond)
                    return invalid("frame rate '" + text + "' is out of range (" +
                                   numberRange(ConvertOptions::minFramesPerSecond, ConvertOptions::maxFramesPerSecond) +
                                   " frames per second)");
                o.framesPerSecond = *fps;
            } else {
                return invalid("unknown setting '-s " + setting + "'");
            }
        } else {
            return invalid("unknown switch '" + arg + "'");
        }
    }
    if (o.pdfPath.empty())
        return invalid("no input PDF file given");
    if (o.outputPath.empty())
        return invalid("no output file given (-o <out.swf>)");
    result.request = Request::Convert;
    return result;
}

std::string CommandLine::usage()
{
    return "Usage: pdf2swf <file.pdf> -o <out.swf> [switches]\n"
           "Converts pages of a PDF document into a Flash movie, one frame per page.\n"
           "\n"
           "  -o <out.swf>            output movie (written only when complete)\n"
           "  -p <ranges>             pages to convert, e.g. 1-3,5-7 (default: all)\n"
           "  -s zoom=<dpi>           resolution, 20 to 600; 72 is one pixel per point (default 72)\n"
           "  -s framerate=<fps>      frames per second, 0.01 to 255 (default 2; 12 when the movie stops on\n"
           "                          every frame)\n"
           "  -t                      stop the movie on every frame\n"
           "  -s simpleviewer         previous/next page buttons and arrow keys on every frame\n"
           "  -B <viewer.swf>         wrap the pages in a viewer movie\n"
           "  -s poly2bitmap          text as embedded fonts, everything else as pictures (always done)\n"
           "  -s rasteronly           each page as one picture, text included\n"
           "  -s languagedir=<dir>    character-collection data laid out as poppler-data\n"
           "                          (default: the system's)\n"
           "  --help, --version\n"
           "\n"
           "Progress goes to standard output as one line \"page <n>\" per page; warnings and\n"
           "errors go to standard error. Exit status 0 means the movie is complete.\n";
}

} // namespace pdf2swf
