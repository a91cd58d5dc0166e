#pragma once
// A TCP listener on a local IPv4 address (127.0.0.1 unless told) that serves one connection at a time on its own
// thread, and stops cleanly: Stop() wakes the accept loop through a pipe and
// shuts the current connection down, so no wait outlives it.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "core/common/UniqueFd.h"

namespace volmar::sim {

// Misbehaviours a simulated unit can be told to show.
enum class LinkFault {
    None,
    RefuseLogin,        // answer every login as refused
    CloseInsteadOfAck,  // close the connection where the acknowledgement is due
    CloseAfterAck,      // acknowledge, then close instead of replying
    Silent,             // acknowledge, then never reply (until the peer or Stop ends it)
    ShortReply,         // plain: an object reply stops short of its length, then closes
    RefuseHello,        // encrypted: the handshake is answered 'n'
    BadHelloCode,       // encrypted: the handshake reply has a code neither 'o' nor 'n'
    OddChallenge,       // encrypted: the challenge is not one 16-byte block
    HelloWithoutStatus, // encrypted: the handshake reply has no part 1
    OversizeGet,        // encrypted: a get reply larger than the largest object
};

struct ServerOptions {
    LinkFault fault = LinkFault::None;
    // A request that stops arriving for this long ends the connection.
    int inactivityMs = 5000;
    // Longest a silent unit holds a connection open.
    int silenceMs = 30000;
    // Length of the status record sent (a unit sends 6).
    size_t statusLength = 6;
    // The local dotted IPv4 address listened on: several simulated units
    // share one port on 127.0.0.x.
    std::string address = "127.0.0.1";
};

class LoopbackServer {
public:
    using Handler = std::function<void(int fd)>;

    LoopbackServer() = default;
    ~LoopbackServer() { Stop(); }
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    // Listens on address:port (0: any free port) and serves each accepted
    // connection with the handler. False when the address is not a dotted
    // IPv4 address or the port cannot be had there.
    bool Start(uint16_t port, Handler handler, const std::string& address = "127.0.0.1");
    // The port actually bound.
    uint16_t Port() const { return m_port; }
    // Stops accepting, ends the current connection, joins the thread.
    void Stop();
    // Number of connections accepted so far.
    int Accepted() const { return m_accepted; }

    // For a silent handler: waits until the peer closes, Stop() is called, or
    // timeoutMs passes.
    void HoldOpen(int fd, int timeoutMs) const;

private:
    void Run();

    Handler m_handler;
    volmar::UniqueFd m_listen;
    volmar::UniqueFd m_wakeRead;
    volmar::UniqueFd m_wakeWrite;
    uint16_t m_port = 0;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_accepted{0};
    std::mutex m_mutex;
    int m_active = -1;
};

}  // namespace volmar::sim
