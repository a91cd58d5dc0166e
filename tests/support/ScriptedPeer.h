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
        started_ = server_.Start(0, std::move(script));
    }
    bool Started() const { return started_; }
    uint16_t Port() const { return server_.Port(); }
    void Stop() { server_.Stop(); }

private:
    sim::LoopbackServer server_;
    bool started_ = false;
};

// Reads and drops up to n bytes, waiting at most timeoutMs in all.
void DrainPeer(int fd, size_t n, int timeoutMs = 2000);

// Number of open descriptors of this process.
int OpenDescriptorCount();

}  // namespace volmar::test
