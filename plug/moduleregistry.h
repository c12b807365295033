#pragma once
// The per-process module registry: a table of named module factories that every plug-in
// fills while it loads, found through a shared-memory object named by the process id.
//
// This code is compiled into the host and into every plug-in; all copies agree on the
// layouts below. There is no lock: registration and removal run while libraries are
// loaded and unloaded on the main thread, and lookups run on the main thread too.

#include "plug/iplug.h"

#include <cstdint>
#include <string>

namespace Plug {

constexpr const char* Suffix = "Plug3.0";
constexpr int MaxModules = 256;
constexpr int NameBytes = 32;

using ModuleFactory = I_Plug* (*)();

struct ModuleEntry {
    char name[NameBytes];   // NUL-terminated, at most 31 characters
    ModuleFactory factory;
};

struct PlugModuleManage {
    ModuleEntry entries[MaxModules]; // 0 .. count-1 live, contiguous, in registration order
    int32_t count;
};

struct RegistryAnchor {
    int mapping;             // descriptor of the shared-memory object, held for the registry's life
    PlugModuleManage* table;
};

// "<pid><suffix>", the name every binary of one process agrees on.
std::string RegistryName(unsigned long processId, const char* suffix);
// The shared-memory object name used on this platform ("/" + RegistryName).
std::string RegistryObjectName(unsigned long processId, const char* suffix);

// The table of this process's registry, or nullptr if none exists yet.
PlugModuleManage* OpenModuleTable(const char* suffix);
// Creates this process's registry object and anchor; the caller fills in the table.
// nullptr if the object cannot be created (for instance because it already exists).
RegistryAnchor* CreateModuleTable(const char* suffix);
// Closes the anchor's handle, removes the object's name and frees the anchor.
void DestroyModuleTable(RegistryAnchor* anchor, const char* suffix);

// The first live entry whose name equals name exactly (case-sensitive), or nullptr.
ModuleEntry* FindModule(PlugModuleManage* table, const char* name);
// Removes the first live entry named name, keeping the order of the others.
void RemoveModule(PlugModuleManage* table, const char* name);

// Looks the name up in this process's registry and returns an initialised module holding
// one reference owned by the caller, or nullptr. Never throws and prints nothing.
I_Plug* CreateModule(const char* name);

template <typename Interface>
Interface* CreateModuleAs(const char* name)
{
    return static_cast<Interface*>(CreateModule(name));
}

// One static object per module in a plug-in: constructing it at load registers the
// module, destroying it at unload removes it. A registration that cannot be made (full
// table, name too long, no shared memory) is reported on standard error and skipped.
class AutoReg {
public:
    AutoReg(const char* name, ModuleFactory factory);
    ~AutoReg();
    AutoReg(const AutoReg&) = delete;
    AutoReg& operator=(const AutoReg&) = delete;

    bool isRegistered() const { return m_registered; }

private:
    char m_name[NameBytes] = {};
    bool m_created = false;
    bool m_registered = false;
    PlugModuleManage* m_table = nullptr;
    RegistryAnchor* m_anchor = nullptr;
};

} // namespace Plug
