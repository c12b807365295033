#pragma once
// File-system helpers over POSIX. Folders are plain strings that end with the separator.

#include <string>
#include <vector>

namespace platform {

constexpr char pathSeparator = '/';

// Full path of the running executable (the process's main program, not a plug-in).
std::string executablePath();
// The executable's folder, ending with the separator.
std::string executableFolder();
// Appends name to folder, adding one separator between them if the folder lacks it.
std::string joinPath(const std::string& folder, const std::string& name);
// Makes sure a non-empty folder text ends with the separator.
std::string withTrailingSeparator(const std::string& folder);

bool isDirectory(const std::string& path);
bool isRegularFile(const std::string& path);

// Names (not paths) of the entries of folder whose name ends with "." + suffix, compared
// ignoring letter case, sorted by name so that loading order is stable. A missing folder
// gives an empty list. Sub-folders are listed too when their name matches.
std::vector<std::string> listEntriesWithSuffix(const std::string& folder, const std::string& suffix);

} // namespace platform
