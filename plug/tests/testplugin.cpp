// A tiny real plug-in for the registry and host tests. Its module name and behaviour come
// from compile definitions, so one source gives several plug-ins:
//   TEST_MODULE_NAME   the registered name
//   TEST_BEHAVIOUR     0 normal, 1 InitInstance refuses, 2 factory throws
// When PP_TEST_LOG names a file, loading, unloading and every call are appended to it as
// lines "<name> <event>", so tests can observe order across processes.

#include "plug/moduleregistry.h"
#include "plug/tests/testmodule.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

void logEvent(const char* event)
{
    const char* path = std::getenv("PP_TEST_LOG");
    if (!path || !*path)
        return;
    if (FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%s %s\n", TEST_MODULE_NAME, event);
        std::fclose(file);
    }
}

class TestModule final : public I_TestModule {
public:
    bool InitInstance() override
    {
        logEvent("InitInstance");
        return TEST_BEHAVIOUR != 1;
    }
    int32_t AddRef() override { return ++m_count; }
    void Release() override
    {
        logEvent("Release");
        if (--m_count == 0)
            delete this;
    }
    bool ExitInstance() override { return true; }
    bool Run(const void*, const char* title, const char* link) override
    {
        std::string line = std::string("Run title=") + (title ? title : "") + " link=" + (link ? link : "");
        logEvent(line.c_str());
        return true;
    }
    const char* Identity() override { return TEST_MODULE_IDENTITY; }

private:
    int32_t m_count = 1;
};

I_Plug* createTestModule()
{
    if (TEST_BEHAVIOUR == 2)
        throw std::runtime_error("factory failure");
    logEvent("create");
    return new TestModule;
}

struct LoadLog {
    LoadLog() { logEvent("load"); }
    ~LoadLog() { logEvent("unload"); }
};

// Declared before the registration, so "unload" is logged after the entry is removed.
LoadLog s_loadLog;
Plug::AutoReg s_registration(TEST_MODULE_NAME, &createTestModule);

} // namespace
