#pragma once
// A simulated unit serving the serial protocol on the master of a real
// pseudo-terminal, on its own thread; the tool opens SlavePath() as its
// port. The thread stops and the descriptors close when this goes.
#include <atomic>
#include <string>
#include <thread>

#include "core/link/serial/FdStream.h"
#include "sim/serial/PseudoTerminal.h"
#include "sim/serial/SerialUnitEndpoint.h"

namespace volmar::test {

class PtyUnit {
public:
    explicit PtyUnit(sim::UnitModel& model, sim::SerialFaultPlan plan = {}) : endpoint_(model, plan)
    {
        int error = 0;
        if (!sim::OpenPseudoTerminal(pty_, error)) return;
        master_.Adopt(std::move(pty_.master));
        thread_ = std::thread([this] { endpoint_.Serve(master_, SystemClock(), stop_); });
    }
    ~PtyUnit()
    {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    PtyUnit(const PtyUnit&) = delete;
    PtyUnit& operator=(const PtyUnit&) = delete;

    bool Running() const { return thread_.joinable(); }
    const std::string& SlavePath() const { return pty_.slavePath; }
    // The slave side the simulator keeps open, to look at the line settings.
    int SlaveFd() const { return pty_.slaveHold.Get(); }

private:
    sim::SerialUnitEndpoint endpoint_;
    sim::PseudoTerminal pty_;
    FdStream master_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace volmar::test
