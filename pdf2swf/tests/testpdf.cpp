#include "testpdf.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

void TestPdf::addPage(double widthPoints, double heightPoints, const std::string& content, Image image, int rotate)
{
    m_pages.push_back({widthPoints, heightPoints, content, std::move(image), rotate});
}

std::string TestPdf::bytes() const
{
    std::string out = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n";
    std::vector<size_t> offsets;
    auto object = [&](const std::string& body) {
        offsets.push_back(out.size());
        out += std::to_string(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
    };
    auto stream = [](const std::string& dict, const std::string& data) {
        return "<< " + dict + " /Length " + std::to_string(data.size()) + " >>\nstream\n" + data + "\nendstream";
    };
    // 1: catalog, 2: page tree, then per page: page, content, image
    const int pageCount = static_cast<int>(m_pages.size());
    std::string kids;
    for (int i = 0; i < pageCount; ++i)
        kids += std::to_string(3 + 3 * i) + " 0 R ";
    object("<< /Type /Catalog /Pages 2 0 R >>");
    object("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pageCount) + " >>");
    for (int i = 0; i < pageCount; ++i) {
        const Page& p = m_pages[i];
        const int contentId = 4 + 3 * i;
        const int imageId = 5 + 3 * i;
        std::ostringstream page;
        page << "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " << p.width << ' ' << p.height << "] /Rotate " << p.rotate
             << " /Contents " << contentId << " 0 R /Resources << /XObject << /Im0 " << imageId << " 0 R >> >> >>";
        object(page.str());
        object(stream("", p.content));
        const Image& img = p.image.width > 0 ? p.image : Image{1, 1, {255, 255, 255}};
        object(stream("/Type /XObject /Subtype /Image /Width " + std::to_string(img.width) + " /Height "
                          + std::to_string(img.height) + " /ColorSpace /DeviceRGB /BitsPerComponent 8",
                      std::string(img.rgb.begin(), img.rgb.end())));
    }
    const size_t xref = out.size();
    out += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t offset : offsets) {
        char line[32];
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
        out += line;
    }
    out += "trailer\n<< /Size " + std::to_string(offsets.size() + 1) + " /Root 1 0 R >>\nstartxref\n"
        + std::to_string(xref) + "\n%%EOF\n";
    return out;
}

void TestPdf::save(const std::string& path) const
{
    std::ofstream(path, std::ios::binary) << bytes();
}

std::string TestPdf::colourBlocks()
{
    return "1 0 0 rg 10 10 40 40 re f\n"
           "0 0.5 0 rg 60 10 40 40 re f\n"
           "0 0 1 rg 10 60 90 30 re f\n";
}

TestPdf::Image TestPdf::noise(int width, int height)
{
    Image image{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 3)};
    uint32_t state = 2463534242u;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c) {
                state ^= state << 13;
                state ^= state >> 17;
                state ^= state << 5;
                // Smooth colour ramps with grain, as in a photograph.
                const int ramp = (c == 0 ? x * 255 / width : c == 1 ? y * 255 / height : (x + y) * 127 / (width + height));
                image.rgb[(static_cast<size_t>(y) * width + x) * 3 + c] = static_cast<uint8_t>(std::clamp(ramp + int(state % 17) - 8, 0, 255));
            }
    return image;
}
