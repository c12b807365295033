#pragma once
// Runs the staged pdf2swf binary with an argument vector (no shell, as the application does)
// and reads movies back through the independent reader (node + swf-parser).

#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

struct ToolResult {
    int exitCode = -1; // -signal when killed
    std::string out;
    std::string err;
};

class ToolRunner {
public:
    static std::string toolPath();   // <stage>/pdf2swf
    static std::string viewerPath(); // <stage>/swfs/rfxview.swf
    static std::string fixture(const std::string& name);

    static ToolResult run(const std::vector<std::string>& arguments);

    // Started in the background with standard output on a pipe, for tests that watch
    // progress and stop the tool.
    struct Running {
        pid_t pid = -1;
        int outFd = -1;
    };
    static Running start(const std::vector<std::string>& arguments);
    // Reads standard output until it holds text; false on end of output.
    static bool readUntil(const Running& running, const std::string& text, std::string& seen);
    static int wait(Running& running);

    // Empty when node or the reader's packages are missing (tests then skip).
    static std::string readerCommandProblem();
    // "path=value" lines of the reader's summary; "error" holds its complaint if it failed.
    static std::map<std::string, std::string> summary(const std::string& moviePath);

    // Runs a helper program (pdftoppm, qpdf); true on exit status 0.
    static bool runProgram(const std::vector<std::string>& arguments);
    // The same, with its output.
    static ToolResult runCaptured(const std::vector<std::string>& arguments);
};

// A fresh folder below the system's temporary folder, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);
std::vector<std::string> folderEntries(const std::string& folder);
