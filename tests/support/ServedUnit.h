#pragma once
// A simulated unit served in this process over plain TCP on its own
// loopback address (127.0.0.x): several share one port, as a fleet's units.
#include <cstdint>
#include <string>
#include <utility>

#include "sim/tcp/PlainTcpServer.h"
#include "sim/unit/SimUnit.h"

namespace volmar::test {

struct ServedUnit {
    ServedUnit(const std::string& address, uint16_t port, sim::SimUnitOptions options = {})
        : unit(std::move(options)), server(unit.Link(sim::UnitLink::Tcp), Options(address))
    {
        started = server.Start(port);
    }
    static sim::ServerOptions Options(const std::string& address)
    {
        sim::ServerOptions o;
        o.address = address;
        return o;
    }
    sim::SimUnit unit;
    sim::PlainTcpServer server;
    bool started = false;
};

}  // namespace volmar::test
