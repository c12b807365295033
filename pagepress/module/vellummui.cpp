#include "pagepress/module/vellummui.h"

#include "pagepress/mainwindow/tconverterform1.h"
#include "pagepress/module/appicon.h"
#include "pagepress/module/applicationstart.h"
#include "plug/moduleregistry.h"

namespace {

I_Plug* createVellumMui()
{
    return new VellumMui;
}

Plug::AutoReg s_registration("VellumMui", &createVellumMui);

} // namespace

bool VellumMui::InitInstance()
{
    return true;
}

int32_t VellumMui::AddRef()
{
    return ++m_count;
}

void VellumMui::Release()
{
    if (--m_count == 0)
        delete this;
}

bool VellumMui::ExitInstance()
{
    return true;
}

bool VellumMui::Run(const void* icon, const char* title, const char* link)
{
    return runApplication(static_cast<const AppIcon*>(icon), title, link,
                          [] { return std::make_unique<TConverterForm1>(); });
}
