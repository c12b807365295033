#include "testfiles.h"

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

extern char **environ;

namespace testfiles {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "rasterpdf-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::filesystem::path fixturesDir()
{
    const char *dir = std::getenv("PP_FIXTURES_DIR");
    return dir && *dir ? std::filesystem::path(dir) : std::filesystem::path(PP_FIXTURES_DIR_DEFAULT);
}

std::vector<std::filesystem::path> fixturePdfs()
{
    std::vector<std::filesystem::path> pdfs;
    for (const auto &entry : std::filesystem::directory_iterator(fixturesDir()))
        if (entry.path().extension() == ".pdf")
            pdfs.push_back(entry.path());
    std::sort(pdfs.begin(), pdfs.end());
    return pdfs;
}

std::string readFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::filesystem::path &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::string blackPagePdf(int width, int height, int rotate)
{
    const std::string content = "0 0 0 rg 0 0 " + std::to_string(width) + " " + std::to_string(height) + " re f\n";
    const std::vector<std::string> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + std::to_string(width) + " " + std::to_string(height)
            + "] /Rotate " + std::to_string(rotate) + " /Resources << >> /Contents 4 0 R >>",
        "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream",
    };
    std::string pdf = "%PDF-1.4\n";
    std::vector<size_t> offsets;
    for (size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t offset : offsets) {
        char line[32];
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
        pdf += line;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n"
        + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

int run(const std::vector<std::string> &argv, std::string *output)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char *> args;
    for (const auto &arg : argv)
        args.push_back(const_cast<char *>(arg.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = ::posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    std::string text;
    char buffer[4096];
    ssize_t got;
    while ((got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(got));
    ::close(pipeFds[0]);
    if (spawned != 0)
        return -1;
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (output)
        *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int pdfinfoPages(const std::filesystem::path &pdf)
{
    std::string output;
    if (run({"pdfinfo", pdf.string()}, &output) != 0)
        return -1;
    std::smatch match;
    static const std::regex pagesLine(R"((?:^|\n)Pages:\s+(\d+))");
    return std::regex_search(output, match, pagesLine) ? std::stoi(match[1]) : -1;
}

} // namespace testfiles
