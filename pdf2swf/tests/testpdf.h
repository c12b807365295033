#pragma once
// Writes small PDF files for the tests: pages of chosen sizes with a content stream and an
// optional RGB image, so that a test controls colours, sizes and page order exactly.

#include <cstdint>
#include <string>
#include <vector>

struct PdfImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb; // width * height * 3 bytes
};

class TestPdf {
public:
    using Image = PdfImage;

    // content draws in PDF points; the image, when given, is painted by "/Im0 Do".
    void addPage(double widthPoints, double heightPoints, const std::string& content, Image image = {}, int rotate = 0);
    std::string bytes() const;
    void save(const std::string& path) const;

    // A page of filled rectangles in a few flat colours (few colours: a colour-mapped bitmap).
    static std::string colourBlocks();
    // Colour ramps with grain: too many colours for a colour map.
    static Image noise(int width, int height);

private:
    struct Page {
        double width;
        double height;
        std::string content;
        Image image;
        int rotate;
    };
    std::vector<Page> m_pages;
};
