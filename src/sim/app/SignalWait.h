#pragma once
// Waits for the signals that end the simulator (SIGINT, SIGTERM, SIGHUP)
// through a signalfd: the signals are blocked in every thread, so they only
// arrive here, and the wait never busy-loops.
#include "core/common/UniqueFd.h"

namespace volmar::sim {

class SignalWait {
public:
    // Blocks the signals for this thread and every thread it starts later;
    // call before starting any thread. False when the signalfd cannot be had.
    bool Install();
    // Waits up to timeoutMs; returns the signal number, or 0 when none came.
    int Wait(int timeoutMs);

private:
    UniqueFd m_fd;
};

const char* SignalName(int signal);

}  // namespace volmar::sim
