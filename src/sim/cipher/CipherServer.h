#pragma once
// The unit side of the encrypted protocol: answers the handshake in clear
// with its status and a fresh challenge, reads the login under the key of
// whichever of its passwords decrypts it, then answers one get or put from
// the unit model.
#include <cstdint>
#include <span>

#include "core/link/cipher/CamelliaCbc.h"

#include "sim/UnitModel.h"
#include "sim/tcp/LoopbackServer.h"

namespace volmar::sim {

class CipherServer {
public:
    explicit CipherServer(UnitModel& model, ServerOptions options = {});
    ~CipherServer() { Stop(); }

    // Listens on the options' address:port (0: any free port).
    bool Start(uint16_t port = 0);
    uint16_t Port() const { return m_server.Port(); }
    void Stop() { m_server.Stop(); }
    int Accepted() const { return m_server.Accepted(); }

private:
    void Serve(int fd);
    bool SendHello(int fd, std::span<const uint8_t> status, const volmar::CipherBlock& challenge, uint32_t nonce);

    UnitModel& m_model;
    ServerOptions m_options;
    LoopbackServer m_server;
};

}  // namespace volmar::sim
