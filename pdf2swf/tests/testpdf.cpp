#include "testpdf.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

void TestPdf::addPage(double widthPoints, double heightPoints, const std::string& content, Image image, int rotate,
                      std::string resources)
{
    m_pages.push_back({widthPoints, heightPoints, content, std::move(image), rotate, std::move(resources)});
}

int TestPdf::addObject(std::string body)
{
    m_objects.push_back(std::move(body));
    return 2 + static_cast<int>(m_objects.size());
}

std::string TestPdf::stream(const std::string& dict, const std::string& data)
{
    return "<< " + dict + " /Length " + std::to_string(data.size()) + " >>\nstream\n" + data + "\nendstream";
}

std::string TestPdf::textResources()
{
    const int square = addObject(stream("", "1000 0 0 0 1000 1000 d1 0 0 1000 1000 re f"));
    std::string widths;
    for (int code = 'H'; code <= 'o'; ++code)
        widths += " 1000";
    const int type3 = addObject("<< /Type /Font /Subtype /Type3 /FontBBox [0 0 1000 1000] /FontMatrix [0.001 0 0 0.001 0 0]"
                                " /CharProcs << /sq " + std::to_string(square) + " 0 R >> /Encoding << /Type /Encoding"
                                " /Differences [72 /sq 101 /sq 108 /sq 111 /sq] >> /FirstChar 72 /LastChar 111 /Widths ["
                                + widths + " ] /Resources << >> >>");
    return "/Font << /F1 << /Type /Font /Subtype /Type1 /BaseFont /Helvetica >> /T3 " + std::to_string(type3)
        + " 0 R >> /ExtGState << /Multiply << /BM /Multiply >> /Half << /ca 0.5 >> >>";
}

std::string TestPdf::bytes() const
{
    std::string out = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n";
    std::vector<size_t> offsets;
    auto object = [&](const std::string& body) {
        offsets.push_back(out.size());
        out += std::to_string(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
    };
    // 1: catalog, 2: page tree, then the added objects, then per page: page, content, image
    const int pageCount = static_cast<int>(m_pages.size());
    const int firstPage = 3 + static_cast<int>(m_objects.size());
    std::string kids;
    for (int i = 0; i < pageCount; ++i)
        kids += std::to_string(firstPage + 3 * i) + " 0 R ";
    object("<< /Type /Catalog /Pages 2 0 R >>");
    object("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pageCount) + " >>");
    for (const std::string& body : m_objects)
        object(body);
    for (int i = 0; i < pageCount; ++i) {
        const Page& p = m_pages[i];
        const int contentId = firstPage + 1 + 3 * i;
        const int imageId = firstPage + 2 + 3 * i;
        std::ostringstream page;
        page << "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " << p.width << ' ' << p.height << "] /Rotate " << p.rotate
             << " /Contents " << contentId << " 0 R /Resources << /XObject << /Im0 " << imageId << " 0 R >> " << p.resources
             << " >> >>";
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
