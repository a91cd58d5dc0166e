#pragma once
// The unit side of the plain TCP protocol: reads request headers and blocks,
// checks the credentials each header carries, acknowledges, and answers from
// the unit model.
#include <cstdint>

#include "sim/UnitModel.h"
#include "sim/tcp/LoopbackServer.h"

namespace volmar::sim {

class PlainTcpServer {
public:
    explicit PlainTcpServer(UnitModel& model, ServerOptions options = {});
    ~PlainTcpServer() { Stop(); }

    // Listens on the options' address:port (0: any free port).
    bool Start(uint16_t port = 0);
    uint16_t Port() const { return m_server.Port(); }
    void Stop() { m_server.Stop(); }
    int Accepted() const { return m_server.Accepted(); }

private:
    void Serve(int fd);

    UnitModel& m_model;
    ServerOptions m_options;
    LoopbackServer m_server;
};

}  // namespace volmar::sim
