#pragma once
// The plain TCP protocol: every operation opens its own connection, sends a
// request header with the credentials, reads the unit's acknowledgement and
// reply, and closes the connection.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/link/tcp/Socket.h"

namespace volmar {

// Where and as whom an operation talks to a unit.
struct TcpTarget {
    std::string address;  // dotted IPv4 address or host name, UTF-8
    uint16_t port = kDefaultUnitPort;
    std::string loginId;
    std::string password;
    SocketTimeouts timeouts;
};

// Outcome values of an operation.
constexpr int kTcpOk = 0;
constexpr int kTcpFailed = -1;
constexpr int kTcpRefused = -2;  // the unit refused the credentials

struct TcpCallState {
    // kTcpOk, kTcpFailed or kTcpRefused.
    int outcome = kTcpFailed;
    // The link's logged-in mark: pass the current mark in. An accepted
    // acknowledgement sets it to 1; a refused one, or any failure before a
    // reply header was read, clears it; otherwise it is left as it was.
    int loggedIn = 0;
    // Where a get or put counts the payload bytes it has moved (reset to 0
    // when it starts); the caller's own counter, read by its wait dialog.
    // Null: not counted.
    std::atomic<uint32_t>* progress = nullptr;
};

// Capacity of a status buffer and of a put's message buffer.
constexpr size_t kTcpStatusCapacity = 16;
constexpr size_t kTcpMessageCapacity = 128;
// Largest object a unit moves; the progress range of a finished get.
constexpr uint32_t kMaxObjectSize = 0x200000;

// Status query. Returns the number of status bytes received (6 from a unit),
// or -1. A reply longer than the buffer fails the query.
int TcpQueryStatus(const TcpTarget& target, std::span<uint8_t> status, TcpCallState& state);

// Reads an object. Returns its byte count on success; on a '*' reply the
// first byte of the returned data, or 255 when no data came; -1 on other
// failures. A reply longer than the buffer fails without being read.
int TcpGetObject(const TcpTarget& target, std::string_view object, std::span<uint8_t> data,
                 TcpCallState& state);

// Writes an object. Returns 0 on success; on a '*' reply the unit's result
// code, with its error text NUL-terminated in message (cut to fit; message
// untouched when the unit sends no text); -1 on other failures.
int TcpPutObject(const TcpTarget& target, std::string_view object,
                 std::span<const uint8_t> data, std::span<char> message, TcpCallState& state);

}  // namespace volmar
