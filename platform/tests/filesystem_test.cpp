#include "platform/filesystem.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace {

TEST(FileSystem, JoinPathAddsOneSeparator)
{
    struct Case {
        const char* folder;
        const char* name;
        const char* joined;
    };
    const Case cases[] = {
        {"/a/b/", "c.so", "/a/b/c.so"},
        {"/a/b", "c.so", "/a/b/c.so"},
        {"", "c.so", "c.so"},
        {"/", "dll", "/dll"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::joinPath(c.folder, c.name), c.joined) << c.folder << " + " << c.name;
}

TEST(FileSystem, ExecutableFolderEndsWithSeparatorAndHoldsTheExecutable)
{
    const std::string folder = platform::executableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(platform::executablePath().rfind(folder, 0), 0u);
    EXPECT_TRUE(platform::isRegularFile(platform::executablePath()));
}

TEST(FileSystem, SuffixScanIgnoresCaseAndSortsByName)
{
    char pattern[] = "/tmp/pp-scan-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    for (const char* name : {"bar.so", "Foo.SO", "readme.txt", ".so", "x.so.1", "lib.So"})
        std::ofstream(dir + "/" + name) << "x";
    mkdir((dir + "/sub.so").c_str(), 0700);

    EXPECT_EQ(platform::listEntriesWithSuffix(dir, "so"),
              (std::vector<std::string>{"Foo.SO", "bar.so", "lib.So", "sub.so"}));
    EXPECT_TRUE(platform::listEntriesWithSuffix(dir + "/missing", "so").empty());
    std::system(("rm -rf '" + dir + "'").c_str());
}

} // namespace
