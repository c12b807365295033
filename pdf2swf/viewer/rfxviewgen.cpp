// Build-time generator of the viewer movie: writes it to the path given as its argument.
#include "viewermovie.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: rfxviewgen <output.swf>\n");
        return 2;
    }
    const std::vector<uint8_t> movie = pdf2swf::ViewerMovie::build();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(movie.data()), static_cast<std::streamsize>(movie.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "rfxviewgen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
