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

    // Listens on 127.0.0.1:port (0: any free port).
    bool Start(uint16_t port = 0);
    uint16_t Port() const { return server_.Port(); }
    void Stop() { server_.Stop(); }
    int Accepted() const { return server_.Accepted(); }

private:
    void Serve(int fd);
    bool SendHello(int fd, std::span<const uint8_t> status, const volmar::CipherBlock& challenge, uint32_t nonce);

    UnitModel& model_;
    ServerOptions options_;
    LoopbackServer server_;
};

}  // namespace volmar::sim
