#pragma once
// IPv4 stream sockets to a unit: connect with keep-alive, send everything,
// read exactly a number of bytes. Every wait has a time-out; a socket is
// never left open on a failure path.
#include <netinet/in.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "core/common/UniqueFd.h"
#include "core/link/tcp/SocketStop.h"

namespace volmar {

// The unit's port when the preferences name none.
constexpr uint16_t kDefaultUnitPort = 30321;

// Keep-alive values of every connection to a unit.
constexpr int kKeepAliveIdleMs = 180000;
constexpr int kKeepAliveIntervalMs = 1000;

struct SocketTimeouts {
    // Longest wait for a connection to come about.
    int connectMs = 10000;
    // A read or send fails when no byte moves for this long; a slow but
    // steady peer is never cut off.
    int inactivityMs = 5000;
    // Ends every wait at its deadline or when stopped; null: none. Owned by
    // the caller, it outlives every socket made with these time-outs.
    const SocketStop* stop = nullptr;
};

// Called with the number of bytes each receive or send moved.
using ByteCountFn = std::function<void(size_t)>;

// The address as a dotted IPv4 address, or else the first IPv4 address the
// host name resolves to. False when neither works.
bool ResolveIpv4(const std::string& address, in_addr& out);

// Creates an IPv4 stream socket with keep-alive on, resolves the address and
// connects to the port. Returns an invalid descriptor on any failure. The
// socket is non-blocking; use SendAll and ReadExactly on it.
UniqueFd ConnectTcp(const std::string& address, uint16_t port, const SocketTimeouts& timeouts);

// Sends all bytes. Fails on a send error or when the peer takes no byte for
// inactivityMs.
bool SendAll(int fd, const uint8_t* data, size_t len, int inactivityMs, const ByteCountFn& counted = {},
             const SocketStop* stop = nullptr);

// Reads exactly len bytes. Fails on a receive error, at once when the peer
// closes, and when no byte arrives for inactivityMs.
bool ReadExactly(int fd, uint8_t* data, size_t len, int inactivityMs, const ByteCountFn& counted = {},
                 const SocketStop* stop = nullptr);

// Waits until the descriptor is ready for the events or timeoutMs passes.
// Returns 1 when ready, 0 on time-out, -1 on error. Retries on EINTR with the
// remaining time. A stop ends the wait as a time-out (0).
int PollFor(int fd, short events, int timeoutMs, const SocketStop* stop = nullptr);

}  // namespace volmar
