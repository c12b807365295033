#include "plug/moduleregistry.h"
#include "plug/tests/testmodule.h"

#include "platform/dynamiclibrary.h"
#include "platform/process.h"
#include "platform/sharedmemory.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string pluginPath(const std::string& target)
{
    return std::string(PP_TEST_PLUGIN_DIR) + "/" + target + ".so";
}

// Loads plug-ins in order and unloads them in reverse order, as the host does.
class LoadedPlugins {
public:
    ~LoadedPlugins() { unloadAll(); }
    void load(const std::string& target)
    {
        std::string error;
        platform::LibraryHandle handle = platform::loadLibrary(pluginPath(target), &error);
        ASSERT_NE(handle, nullptr) << error;
        m_handles.push_back(handle);
    }
    void unloadLast()
    {
        platform::unloadLibrary(m_handles.back());
        m_handles.pop_back();
    }
    void unloadAll()
    {
        while (!m_handles.empty())
            unloadLast();
    }

private:
    std::vector<platform::LibraryHandle> m_handles;
};

std::vector<std::string> registeredNames()
{
    std::vector<std::string> names;
    if (Plug::PlugModuleManage* table = Plug::OpenModuleTable(Plug::Suffix)) {
        for (int i = 0; i < table->count; ++i)
            names.emplace_back(table->entries[i].name);
    }
    return names;
}

std::string identityOf(const char* name)
{
    I_TestModule* module = Plug::CreateModuleAs<I_TestModule>(name);
    if (!module)
        return "<none>";
    std::string identity = module->Identity();
    module->Release();
    return identity;
}

bool registryObjectExists()
{
    int fd = platform::openSharedMemory(Plug::RegistryObjectName(platform::processId(), Plug::Suffix));
    platform::closeSharedMemory(fd);
    return fd >= 0;
}

TEST(ModuleRegistry, NameIsProcessIdAndSuffix)
{
    EXPECT_EQ(Plug::RegistryName(1234, "Plug3.0"), "1234Plug3.0");
    EXPECT_EQ(Plug::RegistryObjectName(7, "Plug3.0"), "/7Plug3.0");
}

TEST(ModuleRegistry, LookupWithoutRegistryFindsNothing)
{
    EXPECT_EQ(Plug::OpenModuleTable(Plug::Suffix), nullptr);
    EXPECT_EQ(Plug::CreateModule("Alpha"), nullptr);
}

TEST(ModuleRegistry, FirstPluginCreatesRegistryAndLaterOnesAppend)
{
    LoadedPlugins plugins;
    plugins.load("test_alpha");
    EXPECT_TRUE(registryObjectExists());
    plugins.load("test_beta");
    EXPECT_EQ(registeredNames(), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(identityOf("Alpha"), "alpha");
    EXPECT_EQ(identityOf("Beta"), "beta");

    plugins.unloadAll();
    EXPECT_FALSE(registryObjectExists()) << "the creating plug-in removes the object when it unloads";
    EXPECT_EQ(Plug::OpenModuleTable(Plug::Suffix), nullptr);
}

TEST(ModuleRegistry, LookupIsCaseSensitive)
{
    LoadedPlugins plugins;
    plugins.load("test_alpha");
    EXPECT_EQ(Plug::CreateModule("alpha"), nullptr);
    EXPECT_EQ(Plug::CreateModule("ALPHA"), nullptr);
    EXPECT_EQ(Plug::CreateModule("Alph"), nullptr);
    EXPECT_EQ(identityOf("Alpha"), "alpha");
}

TEST(ModuleRegistry, DuplicateNamesBothRegisterAndTheEarlierWins)
{
    LoadedPlugins plugins;
    plugins.load("test_alpha");
    plugins.load("test_alpha_twin");
    EXPECT_EQ(registeredNames(), (std::vector<std::string>{"Alpha", "Alpha"}));
    EXPECT_EQ(identityOf("Alpha"), "alpha");

    // The twin's unload removes the first "Alpha" entry (the older one): each removal
    // takes the first match, so the twin's own entry is what is left.
    plugins.unloadLast();
    EXPECT_EQ(registeredNames(), (std::vector<std::string>{"Alpha"}));
}

TEST(ModuleRegistry, RemovingEntryZeroOfThreeKeepsOrder)
{
    LoadedPlugins plugins;
    plugins.load("test_alpha");
    plugins.load("test_beta");
    plugins.load("test_gamma");
    Plug::PlugModuleManage* table = Plug::OpenModuleTable(Plug::Suffix);
    ASSERT_NE(table, nullptr);
    Plug::ModuleFactory gammaFactory = table->entries[2].factory;

    Plug::RemoveModule(table, "Alpha");
    EXPECT_EQ(table->count, 2);
    EXPECT_STREQ(table->entries[0].name, "Beta");
    EXPECT_STREQ(table->entries[1].name, "Gamma");
    EXPECT_EQ(table->entries[1].factory, gammaFactory);

    Plug::RemoveModule(table, "NotThere");
    EXPECT_EQ(table->count, 2);
}

TEST(ModuleRegistry, RefusingOrThrowingModulesGiveNothing)
{
    LoadedPlugins plugins;
    plugins.load("test_alpha");
    plugins.load("test_refuse");
    plugins.load("test_throw");
    EXPECT_EQ(Plug::CreateModule("Refuse"), nullptr);
    EXPECT_EQ(Plug::CreateModule("Throw"), nullptr);
    EXPECT_EQ(Plug::CreateModule("Unknown"), nullptr);
    EXPECT_EQ(identityOf("Alpha"), "alpha");
}

TEST(ModuleRegistry, RegistryIsInvisibleToOtherProcesses)
{
    LoadedPlugins plugins;
    plugins.load("test_alpha");
    ASSERT_NE(Plug::OpenModuleTable(Plug::Suffix), nullptr);

    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // A new process id: its registry name differs, so it finds nothing.
        _exit(Plug::OpenModuleTable(Plug::Suffix) == nullptr && Plug::CreateModule("Alpha") == nullptr ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

I_Plug* nullFactory()
{
    return nullptr;
}

TEST(ModuleRegistry, FullTableRefusesFurtherRegistrationsWithAMessage)
{
    std::vector<std::unique_ptr<Plug::AutoReg>> registrations;
    for (int i = 0; i < Plug::MaxModules; ++i) {
        registrations.push_back(std::make_unique<Plug::AutoReg>(("M" + std::to_string(i)).c_str(), &nullFactory));
        ASSERT_TRUE(registrations.back()->isRegistered());
    }
    testing::internal::CaptureStderr();
    Plug::AutoReg extra("Extra", &nullFactory);
    std::string message = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(extra.isRegistered());
    EXPECT_NE(message.find("registry is full"), std::string::npos) << message;
    EXPECT_NE(message.find("Extra"), std::string::npos) << message;

    Plug::PlugModuleManage* table = Plug::OpenModuleTable(Plug::Suffix);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->count, Plug::MaxModules);
    EXPECT_STREQ(table->entries[Plug::MaxModules - 1].name, "M255");
    // Destroy later registrations first; the first one created the registry.
    while (!registrations.empty())
        registrations.pop_back();
    EXPECT_FALSE(registryObjectExists());
}

TEST(ModuleRegistry, OverlongNamesAreRefusedNotTruncated)
{
    const std::string name31(31, 'n');
    const std::string name32(32, 'n');
    testing::internal::CaptureStderr();
    Plug::AutoReg longest(name31.c_str(), &nullFactory);
    Plug::AutoReg tooLong(name32.c_str(), &nullFactory);
    Plug::AutoReg empty("", &nullFactory);
    std::string message = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(longest.isRegistered());
    EXPECT_FALSE(tooLong.isRegistered());
    EXPECT_FALSE(empty.isRegistered());
    EXPECT_NE(message.find("1 to 31 bytes"), std::string::npos) << message;
    EXPECT_EQ(registeredNames(), std::vector<std::string>{name31});
}

TEST(ModuleRegistry, SharedMemoryFailureLeavesPluginUnregistered)
{
    // An object with this process's name that holds no anchor: opening finds no table and
    // creating fails, so the registration must give up cleanly.
    const std::string name = Plug::RegistryObjectName(platform::processId(), Plug::Suffix);
    int fd = platform::createSharedMemory(name, 8);
    ASSERT_GE(fd, 0);
    testing::internal::CaptureStderr();
    {
        Plug::AutoReg registration("Alpha", &nullFactory);
        EXPECT_FALSE(registration.isRegistered());
    }
    std::string message = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("cannot create the module registry"), std::string::npos) << message;
    platform::closeSharedMemory(fd);
    platform::unlinkSharedMemory(name);
}

} // namespace
