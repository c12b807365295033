#include "plug/moduleregistry.h"

#include "platform/process.h"
#include "platform/sharedmemory.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace Plug {

namespace {

// The shared-memory object holds one pointer: the address of the creator's anchor.
constexpr std::size_t ObjectSize = 8;
static_assert(sizeof(RegistryAnchor*) <= ObjectSize);

std::string objectName(const char* suffix)
{
    return RegistryObjectName(platform::processId(), suffix);
}

bool namesEqual(const char* a, const char* b)
{
    return std::strcmp(a, b) == 0;
}

int findIndex(const PlugModuleManage* table, const char* name)
{
    if (!table || !name)
        return -1;
    for (int i = 0; i < table->count; ++i) {
        if (namesEqual(table->entries[i].name, name))
            return i;
    }
    return -1;
}

} // namespace

std::string RegistryName(unsigned long processId, const char* suffix)
{
    return std::to_string(processId) + suffix;
}

std::string RegistryObjectName(unsigned long processId, const char* suffix)
{
    return "/" + RegistryName(processId, suffix);
}

PlugModuleManage* OpenModuleTable(const char* suffix)
{
    int descriptor = platform::openSharedMemory(objectName(suffix));
    if (descriptor < 0)
        return nullptr;
    RegistryAnchor* anchor = nullptr;
    {
        platform::SharedMemoryView view = platform::mapSharedMemory(descriptor, ObjectSize);
        if (view.isValid())
            std::memcpy(&anchor, view.data(), sizeof anchor);
    }
    // Openers never keep a handle; only the creator holds the object open.
    platform::closeSharedMemory(descriptor);
    return anchor ? anchor->table : nullptr;
}

RegistryAnchor* CreateModuleTable(const char* suffix)
{
    int descriptor = platform::createSharedMemory(objectName(suffix), ObjectSize);
    if (descriptor < 0)
        return nullptr;
    platform::SharedMemoryView view = platform::mapSharedMemory(descriptor, ObjectSize);
    RegistryAnchor* anchor = view.isValid() ? new (std::nothrow) RegistryAnchor{descriptor, nullptr} : nullptr;
    if (!anchor) {
        platform::closeSharedMemory(descriptor);
        platform::unlinkSharedMemory(objectName(suffix));
        return nullptr;
    }
    std::memcpy(view.data(), &anchor, sizeof anchor);
    return anchor;
}

void DestroyModuleTable(RegistryAnchor* anchor, const char* suffix)
{
    if (!anchor)
        return;
    platform::closeSharedMemory(anchor->mapping);
    platform::unlinkSharedMemory(objectName(suffix));
    delete anchor;
}

ModuleEntry* FindModule(PlugModuleManage* table, const char* name)
{
    int index = findIndex(table, name);
    return index < 0 ? nullptr : &table->entries[index];
}

void RemoveModule(PlugModuleManage* table, const char* name)
{
    int index = findIndex(table, name);
    if (index < 0)
        return;
    table->entries[index].factory = nullptr;
    for (int i = index; i + 1 < table->count; ++i)
        table->entries[i] = table->entries[i + 1];
    --table->count;
    std::memset(&table->entries[table->count], 0, sizeof(ModuleEntry));
}

I_Plug* CreateModule(const char* name)
{
    PlugModuleManage* table = OpenModuleTable(Suffix);
    if (!table)
        return nullptr;
    ModuleEntry* entry = FindModule(table, name);
    if (!entry || !entry->factory)
        return nullptr;
    try {
        I_Plug* module = entry->factory();
        if (!module)
            return nullptr;
        if (module->InitInstance())
            return module;
        module->Release();
    } catch (...) {
    }
    return nullptr;
}

AutoReg::AutoReg(const char* name, ModuleFactory factory)
{
    const std::size_t length = name ? std::strlen(name) : 0;
    if (length == 0 || length >= NameBytes) {
        std::fprintf(stderr, "Plug: module name \"%s\" must have 1 to %d bytes; not registered\n",
                     name ? name : "", NameBytes - 1);
        return;
    }
    std::memcpy(m_name, name, length + 1);

    m_table = OpenModuleTable(Suffix);
    if (!m_table) {
        m_anchor = CreateModuleTable(Suffix);
        PlugModuleManage* table = m_anchor ? new (std::nothrow) PlugModuleManage{} : nullptr;
        if (!table) {
            std::fprintf(stderr, "Plug: cannot create the module registry; \"%s\" not registered\n", m_name);
            DestroyModuleTable(m_anchor, Suffix);
            m_anchor = nullptr;
            return;
        }
        m_anchor->table = table;
        m_table = table;
        m_created = true;
    }

    if (m_table->count >= MaxModules) {
        std::fprintf(stderr, "Plug: the module registry is full (%d entries); \"%s\" not registered\n",
                     MaxModules, m_name);
        return;
    }
    ModuleEntry& entry = m_table->entries[m_table->count];
    std::memcpy(entry.name, m_name, sizeof entry.name);
    entry.factory = factory;
    ++m_table->count;
    m_registered = true;
}

AutoReg::~AutoReg()
{
    if (m_registered)
        RemoveModule(m_table, m_name);
    if (m_created) {
        // The creator goes last (the host unloads in reverse order), so the table dies with it.
        delete m_table;
        DestroyModuleTable(m_anchor, Suffix);
    }
}

} // namespace Plug
