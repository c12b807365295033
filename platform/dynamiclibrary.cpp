#include "platform/dynamiclibrary.h"

#include <dlfcn.h>

namespace platform {

LibraryHandle loadLibrary(const std::string& path, std::string* error)
{
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle && error) {
        const char* reason = dlerror();
        *error = reason ? reason : "unknown error";
    }
    return handle;
}

void unloadLibrary(LibraryHandle handle)
{
    if (handle)
        dlclose(handle);
}

void* librarySymbol(LibraryHandle handle, const char* name)
{
    return handle ? dlsym(handle, name) : nullptr;
}

const char* pluginSuffix()
{
    return "so";
}

} // namespace platform
