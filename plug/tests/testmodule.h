#pragma once
// Interface of the test plug-ins: the converter module's interface (so the host can run
// one of them) plus one slot that tells which binary made the object.

#include "pagepress/module/ivellummui.h"

class I_TestModule : public I_VellumMui {
public:
    virtual const char* Identity() = 0; // slot 5

protected:
    ~I_TestModule() = default;
};
