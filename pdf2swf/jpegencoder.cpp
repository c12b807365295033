#include "jpegencoder.h"

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

namespace pdf2swf {

static_assert(std::endian::native == std::endian::little, "pixel words are read as B, G, R, X bytes");

namespace {

[[noreturn]] void throwOnError(j_common_ptr info)
{
    char message[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, message);
    throw std::runtime_error(std::string("JPEG encoding failed: ") + message);
}

} // namespace

std::vector<uint8_t> JpegEncoder::encode(const swf::PixelView& pixels, int quality)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    errors.error_exit = throwOnError;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;

    struct Cleanup {
        jpeg_compress_struct* info;
        unsigned char** buffer;
        ~Cleanup()
        {
            jpeg_destroy_compress(info);
            std::free(*buffer);
        }
    };
    jpeg_create_compress(&info);
    Cleanup cleanup{&info, &buffer};

    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(pixels.width);
    info.image_height = static_cast<JDIMENSION>(pixels.height);
    // Words 0xXXRRGGBB in little-endian memory are the bytes B, G, R, X.
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPROW>(pixels.data + static_cast<size_t>(info.next_scanline) * pixels.strideBytes);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return std::vector<uint8_t>(buffer, buffer + size);
}

} // namespace pdf2swf
