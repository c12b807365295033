// A stand-in for the converter tool in tests. It runs in its program folder (the folder the
// application starts the tool in) and works from files there:
//
//   faketool.runs      appended: one record per run, its process id and argument vector,
//                      written before anything else so a test can find a hanging run.
//   faketool.script.N  the script of run N (1-based), else faketool.script, else none.
//
// Script lines:  print <text>   one write of text to standard output (\n, \t, \\ escapes)
//                drain          wait until the reader has taken everything written so far
//                sleep <ms>
//                await <file>   wait until the file exists in the program folder
//                hang           sleep until killed
//                exit <code>
// Without a script the tool exits with 0 after recording its run.

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr char fieldSeparator = '\x1f';
constexpr char recordSeparator = '\x1e';

int recordRun(int argc, char** argv)
{
    int runs = 1;
    {
        std::ifstream log("faketool.runs", std::ios::binary);
        std::string record;
        while (std::getline(log, record, recordSeparator))
            ++runs;
    }
    std::ofstream log("faketool.runs", std::ios::binary | std::ios::app);
    log << getpid();
    for (int i = 0; i < argc; ++i)
        log << fieldSeparator << argv[i];
    log << recordSeparator;
    return runs;
}

std::string unescape(const std::string& text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            result += text[i];
            continue;
        }
        const char next = text[++i];
        result += next == 'n' ? '\n' : next == 't' ? '\t' : next;
    }
    return result;
}

void writeAll(const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(STDOUT_FILENO, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            std::exit(3);
        done += static_cast<std::size_t>(n);
    }
}

// Waits until the pipe on standard output is empty, i.e. the reader has read it all, so the
// next write reaches the reader in a read of its own.
void drain()
{
    int pending = 0;
    while (ioctl(STDOUT_FILENO, FIONREAD, &pending) == 0 && pending > 0)
        usleep(1000);
}

} // namespace

int main(int argc, char** argv)
{
    const int run = recordRun(argc, argv);
    std::ifstream script("faketool.script." + std::to_string(run));
    if (!script)
        script = std::ifstream("faketool.script");

    std::string line;
    while (std::getline(script, line)) {
        std::istringstream words(line);
        std::string command;
        words >> command;
        std::string rest;
        std::getline(words, rest);
        if (!rest.empty() && rest.front() == ' ')
            rest.erase(0, 1);
        if (command == "print")
            writeAll(unescape(rest));
        else if (command == "drain")
            drain();
        else if (command == "sleep")
            usleep(static_cast<useconds_t>(std::atoi(rest.c_str())) * 1000);
        else if (command == "await")
            while (access(rest.c_str(), F_OK) != 0)
                usleep(2000);
        else if (command == "hang")
            for (;;)
                pause();
        else if (command == "exit")
            return std::atoi(rest.c_str());
    }
    return 0;
}
