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
    explicit PtyUnit(sim::UnitModel& model, sim::SerialFaultPlan plan = {}) : m_endpoint(model, plan)
    {
        int error = 0;
        if (!sim::OpenPseudoTerminal(m_pty, error)) return;
        m_master.Adopt(std::move(m_pty.master));
        m_thread = std::thread([this] { m_endpoint.Serve(m_master, SystemClock(), m_stop); });
    }
    ~PtyUnit()
    {
        m_stop = true;
        if (m_thread.joinable()) m_thread.join();
    }
    PtyUnit(const PtyUnit&) = delete;
    PtyUnit& operator=(const PtyUnit&) = delete;

    bool Running() const { return m_thread.joinable(); }
    const std::string& SlavePath() const { return m_pty.slavePath; }
    // The slave side the simulator keeps open, to look at the line settings.
    int SlaveFd() const { return m_pty.slaveHold.Get(); }

private:
    sim::SerialUnitEndpoint m_endpoint;
    sim::PseudoTerminal m_pty;
    FdStream m_master;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

}  // namespace volmar::test
