#include "pagepress/module/muicontext.h"

#include <atomic>

namespace {

std::atomic<MuiContext*> s_context{nullptr};

} // namespace

void SetMuiContext(MuiContext* context)
{
    s_context.store(context, std::memory_order_release);
}

MuiContext* GetMuiContext()
{
    return s_context.load(std::memory_order_acquire);
}
