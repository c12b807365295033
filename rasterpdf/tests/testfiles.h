#pragma once
// Files the engine tests make at run time: a private temporary folder, small generated PDFs
// and the outside tools (qpdf, pdfinfo) that derive broken or encrypted copies of the fixtures.

#include <filesystem>
#include <string>
#include <vector>

namespace testfiles {

// A fresh folder below the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    std::filesystem::path file(const std::string &name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

std::filesystem::path fixturesDir();
std::vector<std::filesystem::path> fixturePdfs();

std::string readFile(const std::filesystem::path &path);
void writeFile(const std::filesystem::path &path, const std::string &bytes);

// A one-page PDF whose page is width x height points, filled black, turned by `rotate` degrees.
std::string blackPagePdf(int width, int height, int rotate);

// Runs a program with arguments (no shell); returns its exit status and its standard output.
int run(const std::vector<std::string> &argv, std::string *output = nullptr);

// The page count pdfinfo reports, or -1.
int pdfinfoPages(const std::filesystem::path &pdf);

} // namespace testfiles
