// The host, run as a real process over a folder of test plug-ins laid out like an
// installation; the plug-ins log what happens to a file named by PP_TEST_LOG.

#include "plug/moduleregistry.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

struct RunResult {
    int exitCode = -1;
    std::string standardError;
    std::vector<std::string> log;
};

std::vector<std::string> readLines(const fs::path& path)
{
    std::vector<std::string> lines;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

// A throw-away installation folder: <root>/launcher, <root>/dll/, <root>/PlugDll/.
class Installation {
public:
    Installation()
    {
        m_root = fs::path(testing::TempDir()) / ("launcher-test-" + std::to_string(getpid()) + "-" +
                                                  testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_root);
        fs::create_directories(m_root);
        fs::copy_file(LAUNCHER_BINARY, m_root / "launcher");
    }
    ~Installation() { fs::remove_all(m_root); }

    // Copies the test plug-in built as <target>.so to <folder>/<fileName>.
    void addPlugin(const std::string& target, const std::string& folder, const std::string& fileName)
    {
        fs::create_directories(m_root / folder);
        fs::copy_file(fs::path(PP_TEST_PLUGIN_DIR) / (target + ".so"), m_root / folder / fileName,
                      fs::copy_options::overwrite_existing);
    }

    RunResult run() const
    {
        const fs::path log = m_root / "events.log";
        const fs::path err = m_root / "stderr.txt";
        const std::string command = "PP_TEST_LOG='" + log.string() + "' '" + (m_root / "launcher").string() +
                                    "' 2>'" + err.string() + "'";
        RunResult result;
        int status = std::system(command.c_str());
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ifstream errors(err);
        std::stringstream text;
        text << errors.rdbuf();
        result.standardError = text.str();
        result.log = readLines(log);
        return result;
    }

    const fs::path& root() const { return m_root; }

private:
    fs::path m_root;
};

std::vector<std::string> eventsNamed(const std::vector<std::string>& log, const std::string& event)
{
    std::vector<std::string> names;
    for (const std::string& line : log) {
        auto space = line.find(' ');
        if (line.substr(space + 1) == event)
            names.push_back(line.substr(0, space));
    }
    return names;
}

TEST(Launcher, RunsTheConverterModuleFromEitherFolder)
{
    for (const char* folder : {"dll", "PlugDll"}) {
        Installation installation;
        installation.addPlugin("test_alpha", "dll", "alpha.so");
        installation.addPlugin("test_host_module", folder, "converter.so");
        RunResult result = installation.run();
        EXPECT_EQ(result.exitCode, 0) << folder << ": " << result.standardError;
        const std::vector<std::string> expected = {
            "VellumMui create", "VellumMui InitInstance",
            "VellumMui Run title=Brenlow PDF to Flash Converter link=https://www.brenlow.example/",
            "VellumMui Release"};
        std::vector<std::string> calls;
        for (const std::string& line : result.log) {
            if (line.rfind("VellumMui ", 0) == 0 && line.find("load") == std::string::npos)
                calls.push_back(line);
        }
        EXPECT_EQ(calls, expected) << folder;
    }
}

TEST(Launcher, LoadsPluginsWhateverTheirSuffixCaseAndUnloadsInReverse)
{
    Installation installation;
    installation.addPlugin("test_alpha", "dll", "a_Foo.SO");
    installation.addPlugin("test_beta", "dll", "b_bar.so");
    installation.addPlugin("test_gamma", "dll", "c_baz.So");
    installation.addPlugin("test_host_module", "PlugDll", "converter.so");
    std::ofstream(installation.root() / "dll" / "notes.txt") << "not a plug-in";
    RunResult result = installation.run();
    EXPECT_EQ(result.exitCode, 0) << result.standardError;
    EXPECT_EQ(eventsNamed(result.log, "load"), (std::vector<std::string>{"Alpha", "Beta", "Gamma", "VellumMui"}));
    EXPECT_EQ(eventsNamed(result.log, "unload"), (std::vector<std::string>{"VellumMui", "Gamma", "Beta", "Alpha"}));
}

TEST(Launcher, MissingOrRefusingModuleEndsWithAMessageAndUnloadsEverything)
{
    struct Case {
        const char* name;
        const char* converterTarget; // nullptr: no converter module at all
    };
    for (const Case& c : {Case{"missing", nullptr}, Case{"refusing", "test_host_refuse"}}) {
        Installation installation;
        installation.addPlugin("test_alpha", "dll", "alpha.so");
        installation.addPlugin("test_beta", "PlugDll", "beta.so");
        if (c.converterTarget)
            installation.addPlugin(c.converterTarget, "PlugDll", "converter.so");
        RunResult result = installation.run();
        EXPECT_EQ(result.exitCode, 1) << c.name;
        EXPECT_NE(result.standardError.find("\"VellumMui\" is missing or refused to start"), std::string::npos)
            << c.name << ": " << result.standardError;
        EXPECT_NE(result.standardError.find(installation.root().string() + "/dll/"), std::string::npos) << c.name;
        EXPECT_NE(result.standardError.find("PlugDll/"), std::string::npos) << c.name;
        EXPECT_TRUE(eventsNamed(result.log, "Release").size() == (c.converterTarget ? 1u : 0u))
            << c.name << ": a refused object is released by the registry, never by the host";
        for (const std::string& line : result.log)
            EXPECT_EQ(line.find(" Run "), std::string::npos) << c.name;
        std::vector<std::string> unloads = eventsNamed(result.log, "unload");
        ASSERT_FALSE(unloads.empty()) << c.name;
        EXPECT_EQ(unloads.back(), "Alpha") << c.name << ": the registry's creator leaves last";
    }
}

TEST(Launcher, SkipsPluginsBeyondTheLimitWithAMessage)
{
    Installation installation;
    installation.addPlugin("test_host_module", "dll", "000-converter.so");
    for (int i = 1; i <= 257; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "p%03d.so", i);
        installation.addPlugin("test_gamma", "dll", name);
    }
    RunResult result = installation.run();
    EXPECT_EQ(result.exitCode, 0) << result.standardError;
    EXPECT_NE(result.standardError.find("256 plug-ins are loaded already; skipping"), std::string::npos);
    EXPECT_NE(result.standardError.find("p256.so"), std::string::npos);
    EXPECT_NE(result.standardError.find("p257.so"), std::string::npos);
    EXPECT_EQ(result.standardError.find("p255.so"), std::string::npos);
    EXPECT_EQ(eventsNamed(result.log, "load").size(), 256u);
}

// The real program, started from the staged installation: the registry object exists
// while it runs and is gone after it ends cleanly on SIGTERM.
TEST(Launcher, RealProgramKeepsItsRegistryOnlyWhileRunning)
{
    const std::string launcher = std::string(getenv("PP_STAGE_DIR")) + "/launcher";
    ASSERT_TRUE(fs::exists(launcher));
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(launcher.c_str()), nullptr};
    ASSERT_EQ(posix_spawn(&pid, launcher.c_str(), nullptr, nullptr, argv, environ), 0);

    const fs::path object = "/dev/shm/" + Plug::RegistryName(static_cast<unsigned long>(pid), Plug::Suffix);
    bool appeared = false;
    for (int i = 0; i < 200 && !appeared; ++i) {
        appeared = fs::exists(object);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_TRUE(appeared) << object;
    std::this_thread::sleep_for(std::chrono::milliseconds(500)); // let the window come up
    kill(pid, SIGTERM);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_FALSE(fs::exists(object));
}

} // namespace
