// The host: loads the plug-ins beside it, runs the converter module and unloads them again.

#include "launcher/pluginset.h"
#include "pagepress/module/appicon.h"
#include "pagepress/module/ivellummui.h"
#include "platform/filesystem.h"
#include "platform/process.h"
#include "platform/sharedmemory.h"
#include "plug/moduleregistry.h"

#include <cstdio>

extern const AppIcon applicationIcon;

namespace {

const char* const Title = "Brenlow PDF to Flash Converter";
const char* const Link = "https://www.brenlow.example/";
const char* const ModuleName = "VellumMui";

} // namespace

int main()
{
    // No plug-in is loaded yet, so an object under this process's registry name can only be
    // left over from a killed earlier process that had the same id; its anchor would point
    // into that dead process's memory.
    platform::unlinkSharedMemory(Plug::RegistryObjectName(platform::processId(), Plug::Suffix));

    const std::string exeDir = platform::executableFolder();
    PluginSet plugins;
    plugins.loadFolder(exeDir + "dll/");
    plugins.loadFolder(exeDir + "PlugDll/");

    I_VellumMui* module = Plug::CreateModuleAs<I_VellumMui>(ModuleName);
    if (!module) {
        std::fprintf(stderr,
                     "launcher: the converter module \"%s\" is missing or refused to start; "
                     "looked for *.%s plug-ins in %sdll/ and %sPlugDll/ (%d loaded)\n",
                     ModuleName, platform::pluginSuffix(), exeDir.c_str(), exeDir.c_str(), plugins.count());
        plugins.unloadAll();
        return 1;
    }
    module->Run(&applicationIcon, Title, Link);
    module->Release();
    plugins.unloadAll();
    return 0;
}
