#include "moviepictures.h"

#include "moviereader.h"
#include "toolrunner.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include <jpeglib.h>
#include <zlib.h>

namespace {

std::vector<uint8_t> inflateExactly(const uint8_t* data, size_t size, size_t expected)
{
    std::vector<uint8_t> out(expected);
    uLongf length = expected;
    if (uncompress(out.data(), &length, data, size) != Z_OK || length != expected)
        throw std::runtime_error("bitmap data does not inflate to its size");
    return out;
}

RgbPicture decodeLossless(std::span<const uint8_t> body)
{
    RgbPicture p;
    const int format = body[2];
    p.width = body[3] | body[4] << 8;
    p.height = body[5] | body[6] << 8;
    p.rgb.resize(static_cast<size_t>(p.width) * p.height * 3);
    if (format == 3) {
        p.kind = "palette";
        const int colours = body[7] + 1;
        const size_t stride = (static_cast<size_t>(p.width) + 3) & ~size_t(3);
        const auto raw = inflateExactly(body.data() + 8, body.size() - 8, colours * 3 + stride * p.height);
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x) {
                const uint8_t index = raw[colours * 3 + y * stride + x];
                for (int c = 0; c < 3; ++c)
                    p.rgb[(static_cast<size_t>(y) * p.width + x) * 3 + c] = raw[index * 3 + c];
            }
    } else if (format == 5) {
        p.kind = "lossless";
        const auto raw = inflateExactly(body.data() + 7, body.size() - 7, static_cast<size_t>(p.width) * p.height * 4);
        for (size_t i = 0; i < static_cast<size_t>(p.width) * p.height; ++i)
            for (int c = 0; c < 3; ++c)
                p.rgb[i * 3 + c] = raw[i * 4 + 1 + c];
    } else {
        throw std::runtime_error("unexpected lossless format");
    }
    return p;
}

RgbPicture decodeJpeg(std::span<const uint8_t> jpeg)
{
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    RgbPicture p;
    p.kind = "jpeg";
    p.width = static_cast<int>(info.output_width);
    p.height = static_cast<int>(info.output_height);
    p.rgb.resize(static_cast<size_t>(p.width) * p.height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = p.rgb.data() + static_cast<size_t>(info.output_scanline) * p.width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return p;
}

} // namespace

RgbPicture pagePicture(const std::string& moviePath, int frameIndex)
{
    const std::string file = readFile(moviePath);
    const swf::MovieReader movie(std::vector<uint8_t>(file.begin(), file.end()));
    int seen = 0;
    for (const swf::TagView& tag : movie.tags()) {
        const bool lossless = tag.code == swf::TagCode::DefineBitsLossless;
        const bool jpeg = tag.code == swf::TagCode::DefineBitsJpeg2;
        if (!lossless && !jpeg)
            continue;
        if (seen++ != frameIndex)
            continue;
        return lossless ? decodeLossless(tag.body) : decodeJpeg(tag.body.subspan(2));
    }
    throw std::runtime_error("no such page picture");
}

RgbPicture readPpm(const std::string& path)
{
    const std::string data = readFile(path);
    std::istringstream header(data);
    std::string magic;
    RgbPicture p;
    int maxValue = 0;
    header >> magic >> p.width >> p.height >> maxValue;
    if (magic != "P6" || maxValue != 255)
        throw std::runtime_error("not a binary PPM: " + path);
    const size_t start = static_cast<size_t>(header.tellg()) + 1;
    p.rgb.assign(data.begin() + static_cast<std::ptrdiff_t>(start), data.end());
    p.kind = "reference";
    return p;
}

double meanDifference(const RgbPicture& a, const RgbPicture& b)
{
    // Rasterisers may round the page size either way: compare the common area.
    if (std::abs(a.width - b.width) > 1 || std::abs(a.height - b.height) > 1)
        return 1e9;
    const int width = std::min(a.width, b.width);
    const int height = std::min(a.height, b.height);
    double sum = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width * 3; ++x)
            sum += std::abs(int(a.rgb[static_cast<size_t>(y) * a.width * 3 + x]) - int(b.rgb[static_cast<size_t>(y) * b.width * 3 + x]));
    return sum / (3.0 * width * height);
}
