#pragma once
// Decodes the page pictures of a movie back to RGB, to compare them with a reference
// rendering of the same page.

#include <cstdint>
#include <string>
#include <vector>

struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
    std::string kind; // "palette", "lossless" or "jpeg"
};

// The bitmap of the frame's page (0-based frame index, one bitmap per frame).
RgbPicture pagePicture(const std::string& moviePath, int frameIndex);
// A binary PPM (P6) file as pdftoppm writes it.
RgbPicture readPpm(const std::string& path);
// Mean absolute difference per channel over the common area, or a huge value when the
// sizes differ by more than a pixel.
double meanDifference(const RgbPicture& a, const RgbPicture& b);
