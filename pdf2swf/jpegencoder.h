#pragma once
// Encodes opaque pixels as a baseline JPEG file (libjpeg). Safe to use from several threads,
// each call has its own compressor.

#include "bitmaptags.h"

#include <cstdint>
#include <vector>

namespace pdf2swf {

class JpegEncoder {
public:
    static std::vector<uint8_t> encode(const swf::PixelView& pixels, int quality);
};

} // namespace pdf2swf
