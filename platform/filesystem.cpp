#include "platform/filesystem.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <memory>

namespace platform {

std::string executablePath()
{
    std::string buffer(256, '\0');
    for (;;) {
        ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return {};
        if (static_cast<size_t>(length) < buffer.size()) {
            buffer.resize(static_cast<size_t>(length));
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string executableFolder()
{
    std::string path = executablePath();
    auto cut = path.rfind(pathSeparator);
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string withTrailingSeparator(const std::string& folder)
{
    if (folder.empty() || folder.back() == pathSeparator)
        return folder;
    return folder + pathSeparator;
}

std::string joinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    return withTrailingSeparator(folder) + name;
}

bool isDirectory(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isRegularFile(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

namespace {

bool endsWithIgnoringCase(const std::string& name, const std::string& ending)
{
    if (name.size() < ending.size())
        return false;
    return std::equal(ending.rbegin(), ending.rend(), name.rbegin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

} // namespace

std::vector<std::string> listEntriesWithSuffix(const std::string& folder, const std::string& suffix)
{
    std::vector<std::string> names;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
    if (!dir)
        return names;
    const std::string ending = "." + suffix;
    while (dirent* entry = readdir(dir.get())) {
        std::string name = entry->d_name;
        if (name.size() > ending.size() && endsWithIgnoringCase(name, ending))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace platform
