#pragma once
// Turns the termination signals (SIGTERM, SIGINT, SIGHUP) into a readable descriptor, so an
// event loop can end the program cleanly instead of dying inside a signal handler.

namespace platform {

// Installs the handlers and returns the descriptor to watch (-1 on failure). Each signal
// writes one byte; the watcher reads them with drainTerminationSignals().
int installTerminationSignals();
void drainTerminationSignals();
// Restores the default handlers and closes the descriptors.
void removeTerminationSignals();

} // namespace platform
