#include "sim/serial/PtyServer.h"

#include "core/link/Clock.h"

namespace volmar::sim {

bool PtyServer::Start(int& error)
{
    if (m_thread.joinable()) return true;
    if (!OpenPseudoTerminal(m_pty, error)) return false;
    m_master.Adopt(std::move(m_pty.master));
    m_stop = false;
    m_ended = false;
    m_thread = std::thread([this] {
        m_endpoint.Serve(m_master, SystemClock(), m_stop);
        m_ended = true;
    });
    return true;
}

void PtyServer::Stop()
{
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
    m_master.CloseFd();
    m_pty.slaveHold.Reset();
}

}  // namespace volmar::sim
