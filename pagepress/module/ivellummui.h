#pragma once
// The interface of the converter module "VellumMui", as the host calls it.

#include "plug/iplug.h"

class I_VellumMui : public I_Plug {
public:
    // Slot 3: does nothing and returns true.
    virtual bool ExitInstance() = 0;
    // Slot 4: runs the application until its main window closes; always returns true.
    // icon points to an AppIcon (appicon.h) or is null; title and link are UTF-8.
    virtual bool Run(const void* icon, const char* title, const char* link) = 0;

protected:
    ~I_VellumMui() = default;
};
