#pragma once
// Writes small PDF files for the tests: pages of chosen sizes with a content stream, an
// optional RGB image and optional further resources (fonts, graphics states), so that a test
// controls colours, sizes, text and page order exactly.

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

    // content draws in PDF points; the image, when given, is painted by "/Im0 Do". resources
    // are further entries of the page's resource dictionary ("/Font << /F1 5 0 R >>").
    void addPage(double widthPoints, double heightPoints, const std::string& content, Image image = {}, int rotate = 0,
                 std::string resources = {});
    // An indirect object (dictionary, or stream made by stream()); returns its object number.
    int addObject(std::string body);
    static std::string stream(const std::string& dictionaryEntries, const std::string& data);
    std::string bytes() const;
    void save(const std::string& path) const;

    // A page of filled rectangles in a few flat colours (few colours: a colour-mapped bitmap).
    static std::string colourBlocks();
    // Colour ramps with grain: too many colours for a colour map.
    static Image noise(int width, int height);
    // Resources with text: /F1 Helvetica (not embedded, as direct dictionary), /T3 a Type 3
    // font that draws the letters of "Hello" as filled squares, /Multiply a graphics state with that blend mode and
    // /Half one with fill opacity 0.5. Adds the objects they need.
    std::string textResources();

private:
    struct Page {
        double width;
        double height;
        std::string content;
        Image image;
        int rotate;
        std::string resources;
    };
    std::vector<Page> m_pages;
    std::vector<std::string> m_objects;
};
