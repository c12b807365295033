#pragma once
// The plug-ins the host loaded, in load order. Loading a plug-in registers its modules;
// unloading goes in reverse order so the plug-in that created the registry leaves last.

#include "platform/dynamiclibrary.h"

#include <string>
#include <vector>

class PluginSet {
public:
    static constexpr int MaxPlugins = 256;

    PluginSet() = default;
    ~PluginSet() { unloadAll(); }
    PluginSet(const PluginSet&) = delete;
    PluginSet& operator=(const PluginSet&) = delete;

    // Loads every plug-in of folder (ending with the separator) whose name ends with the
    // platform's plug-in suffix, in any letter case. Failures and plug-ins beyond the
    // limit are reported on standard error and skipped. Returns how many were loaded.
    int loadFolder(const std::string& folder);
    void unloadAll();
    int count() const { return static_cast<int>(m_handles.size()); }

private:
    std::vector<platform::LibraryHandle> m_handles;
};
