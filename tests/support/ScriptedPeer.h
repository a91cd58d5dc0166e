#pragma once
// A one-connection peer on 127.0.0.1 whose behaviour is a function of the
// accepted socket: the tests use it to send hostile or slow replies that a
// well-behaved simulated unit never would.
#include <functional>

#include "sim/tcp/LoopbackServer.h"

namespace volmar::test {

class ScriptedPeer {
public:
    explicit ScriptedPeer(std::function<void(int fd)> script)
    {
        m_started = m_server.Start(0, std::move(script));
    }
    bool Started() const { return m_started; }
    uint16_t Port() const { return m_server.Port(); }
    void Stop() { m_server.Stop(); }

private:
    sim::LoopbackServer m_server;
    bool m_started = false;
};

// Reads and drops up to n bytes, waiting at most timeoutMs in all.
void DrainPeer(int fd, size_t n, int timeoutMs = 2000);

// Number of open descriptors of this process.
int OpenDescriptorCount();

}  // namespace volmar::test
