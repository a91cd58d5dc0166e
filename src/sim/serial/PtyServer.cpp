#include "sim/serial/PtyServer.h"

#include "core/link/Clock.h"

namespace volmar::sim {

bool PtyServer::Start(int& error)
{
    if (thread_.joinable()) return true;
    if (!OpenPseudoTerminal(pty_, error)) return false;
    master_.Adopt(std::move(pty_.master));
    stop_ = false;
    ended_ = false;
    thread_ = std::thread([this] {
        endpoint_.Serve(master_, SystemClock(), stop_);
        ended_ = true;
    });
    return true;
}

void PtyServer::Stop()
{
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    master_.CloseFd();
    pty_.slaveHold.Reset();
}

}  // namespace volmar::sim
