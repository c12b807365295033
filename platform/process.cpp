#include "platform/process.h"

#include <unistd.h>

namespace platform {

unsigned long processId()
{
    return static_cast<unsigned long>(getpid());
}

} // namespace platform
