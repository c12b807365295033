#include "launcher/pluginset.h"

#include "platform/filesystem.h"

#include <cstdio>

int PluginSet::loadFolder(const std::string& folder)
{
    int loaded = 0;
    for (const std::string& name : platform::listEntriesWithSuffix(folder, platform::pluginSuffix())) {
        const std::string path = platform::joinPath(folder, name);
        if (count() >= MaxPlugins) {
            std::fprintf(stderr, "launcher: %d plug-ins are loaded already; skipping %s\n", MaxPlugins, path.c_str());
            continue;
        }
        if (!platform::isRegularFile(path))
            continue;
        std::string error;
        platform::LibraryHandle handle = platform::loadLibrary(path, &error);
        if (!handle) {
            std::fprintf(stderr, "launcher: cannot load plug-in %s: %s\n", path.c_str(), error.c_str());
            continue;
        }
        m_handles.push_back(handle);
        ++loaded;
    }
    return loaded;
}

void PluginSet::unloadAll()
{
    while (!m_handles.empty()) {
        platform::unloadLibrary(m_handles.back());
        m_handles.pop_back();
    }
}
