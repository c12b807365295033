// The movie file appears under its name only when complete.
#include "converterror.h"
#include "outputfile.h"
#include "toolrunner.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace {

using pdf2swf::OutputFile;

std::span<const uint8_t> text(const char* s)
{
    return {reinterpret_cast<const uint8_t*>(s), std::strlen(s)};
}

class OutputFiles : public ::testing::TestWithParam<OutputFile::Mode> {
protected:
    TemporaryFolder m_folder;
};

TEST_P(OutputFiles, NothingUnderTheNameUntilCommitThenTheWholeFile)
{
    const std::string path = m_folder.file("movie.swf");
    {
        OutputFile file(path, GetParam());
        file.write(text("CWS?...."));
        file.patch(3, text("\x08"));
        EXPECT_FALSE(fileExists(path));
        if (GetParam() == OutputFile::Mode::NamedTemporary) {
            EXPECT_FALSE(file.isUnnamed());
            EXPECT_EQ(file.temporaryPath().rfind(m_folder.file(".movie.swf."), 0), 0u) << file.temporaryPath();
        }
        file.commit();
    }
    EXPECT_EQ(readFile(path), "CWS\x08....");
    EXPECT_EQ(folderEntries(m_folder.path()), std::vector<std::string>{"movie.swf"});
}

TEST_P(OutputFiles, AnOlderFileStaysUntilTheNewOneReplacesIt)
{
    const std::string path = m_folder.file("movie.swf");
    writeFile(path, "older");
    {
        OutputFile abandoned(path, GetParam());
        abandoned.write(text("half a movie"));
    } // dropped without commit, as when conversion fails
    EXPECT_EQ(readFile(path), "older");
    EXPECT_EQ(folderEntries(m_folder.path()), std::vector<std::string>{"movie.swf"});

    OutputFile file(path, GetParam());
    file.write(text("newer"));
    EXPECT_EQ(readFile(path), "older");
    file.commit();
    EXPECT_EQ(readFile(path), "newer");
    EXPECT_EQ(folderEntries(m_folder.path()), std::vector<std::string>{"movie.swf"});
}

TEST_P(OutputFiles, MissingFolderOrFolderPathIsRefused)
{
    EXPECT_THROW(OutputFile(m_folder.file("missing/movie.swf"), GetParam()), pdf2swf::ConvertError);
    EXPECT_THROW(OutputFile(m_folder.path(), GetParam()), pdf2swf::ConvertError);
    EXPECT_THROW(OutputFile(m_folder.path() + "/", GetParam()), pdf2swf::ConvertError);
}

INSTANTIATE_TEST_SUITE_P(Modes, OutputFiles, ::testing::Values(OutputFile::Mode::Automatic, OutputFile::Mode::NamedTemporary),
                         [](const auto& info) { return info.param == OutputFile::Mode::Automatic ? "Unnamed" : "Named"; });

TEST(OutputFile, RelativePathsUseTheCurrentFolder)
{
    TemporaryFolder folder;
    const std::string previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    {
        OutputFile file("relative.swf");
        file.write(text("x"));
        file.commit();
    }
    std::filesystem::current_path(previous);
    EXPECT_EQ(readFile(folder.file("relative.swf")), "x");
}

} // namespace
