#pragma once
// Facts about the running process.

namespace platform {

// The id of the calling process, as a non-negative number.
unsigned long processId();

} // namespace platform
