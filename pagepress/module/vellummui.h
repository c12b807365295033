#pragma once
// The converter module "VellumMui": the object the host creates to run the application.
// Reference counted; destroys itself when the last reference is released.

#include "pagepress/module/ivellummui.h"

class VellumMui final : public I_VellumMui {
public:
    bool InitInstance() override;
    int32_t AddRef() override;
    void Release() override;
    bool ExitInstance() override;
    bool Run(const void* icon, const char* title, const char* link) override;

private:
    int32_t m_count = 1;
};
