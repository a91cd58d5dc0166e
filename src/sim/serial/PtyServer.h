#pragma once
// The serial link of the simulator: a pseudo-terminal whose master the unit
// serves on its own thread; the tool opens SlavePath() as its serial port.
#include <atomic>
#include <string>
#include <thread>

#include "core/link/serial/FdStream.h"
#include "sim/UnitModel.h"
#include "sim/serial/PseudoTerminal.h"
#include "sim/serial/SerialUnitEndpoint.h"

namespace volmar::sim {

class PtyServer {
public:
    explicit PtyServer(UnitModel& model, SerialFaultPlan plan = {}) : m_endpoint(model, plan) {}
    ~PtyServer() { Stop(); }
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Opens the pseudo-terminal and starts serving. On failure returns false
    // with the errno in error.
    bool Start(int& error);
    const std::string& SlavePath() const { return m_pty.slavePath; }
    // True once the serving thread ended by itself (the line failed).
    bool Ended() const { return m_ended.load(); }
    // Stops serving, joins the thread and closes the pseudo-terminal.
    void Stop();

private:
    SerialUnitEndpoint m_endpoint;
    PseudoTerminal m_pty;
    FdStream m_master;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_ended{false};
    std::thread m_thread;
};

}  // namespace volmar::sim
