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
    explicit PtyServer(UnitModel& model, SerialFaultPlan plan = {}) : endpoint_(model, plan) {}
    ~PtyServer() { Stop(); }
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Opens the pseudo-terminal and starts serving. On failure returns false
    // with the errno in error.
    bool Start(int& error);
    const std::string& SlavePath() const { return pty_.slavePath; }
    // True once the serving thread ended by itself (the line failed).
    bool Ended() const { return ended_.load(); }
    // Stops serving, joins the thread and closes the pseudo-terminal.
    void Stop();

private:
    SerialUnitEndpoint endpoint_;
    PseudoTerminal pty_;
    FdStream master_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> ended_{false};
    std::thread thread_;
};

}  // namespace volmar::sim
