#pragma once
// Loading and unloading of shared libraries by full path. Thin wrapper over dlopen/dlclose;
// it keeps no state of its own.

#include <string>

namespace platform {

using LibraryHandle = void*;

// Loads the library with every symbol resolved now and none exported to later loads.
// Returns nullptr on failure and, when error is given, stores the loader's reason there.
LibraryHandle loadLibrary(const std::string& path, std::string* error = nullptr);
void unloadLibrary(LibraryHandle handle);
void* librarySymbol(LibraryHandle handle, const char* name);

// The platform's file name ending of a plug-in ("so" here), without the dot.
const char* pluginSuffix();

} // namespace platform
