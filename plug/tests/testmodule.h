#pragma once
// Interface of the test plug-ins: the slots of the converter module (so the host can run
// it) plus one slot that tells which binary made the object.

#include "plug/iplug.h"

class I_TestModule : public I_Plug {
public:
    virtual bool ExitInstance() = 0;                                       // slot 3
    virtual bool Run(const void* icon, const char* title, const char* link) = 0; // slot 4
    virtual const char* Identity() = 0;                                    // slot 5

protected:
    ~I_TestModule() = default;
};
