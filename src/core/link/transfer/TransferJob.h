#pragma once
// One transfer as a wait dialog shares it with its worker thread. The caller
// fills the request; the worker writes the outcome and then sets state to
// finished, after which it writes nothing more; the caller reads the outcome
// only after it has seen finished.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>

#include "core/link/tcp/TcpTransport.h"

namespace volmar {

enum class TransferDirection : int { Send = 0, Receive = 1 };

enum TransferState : int { kTransferNotStarted = 0, kTransferRunning = 1, kTransferFinished = 2 };

// Error kinds of a plain TCP transfer.
enum TcpErrorKind : int { kTcpErrNone = 0, kTcpErrUnit = 1, kTcpErrCredentials = 2 };

struct TransferJob {
    std::atomic<int> state{kTransferNotStarted};
    TransferDirection direction = TransferDirection::Receive;
    std::string object;                  // "CONFIG_P", ...
    std::span<const uint8_t> payload;    // send: the bytes to write
    std::span<uint8_t> buffer;           // receive: where the object goes (its capacity)
    size_t length = 0;                   // receive: the object's length once finished
    uint8_t expectedEcho = 0;            // serial send: the echo of the result query
    int error = 0;                       // serial, encrypted: 0 or 1; plain TCP: TcpErrorKind
    int unitCode = 0;                    // the unit's result or error code
    char message[kTcpMessageCapacity] = {};  // the unit's error text (TCP)
    bool success = false;

    static TransferJob Receive(std::string object, std::span<uint8_t> buffer)
    {
        return TransferJob(TransferDirection::Receive, std::move(object), {}, buffer, 0);
    }
    static TransferJob Send(std::string object, std::span<const uint8_t> payload, uint8_t expectedEcho = 0)
    {
        return TransferJob(TransferDirection::Send, std::move(object), payload, {}, expectedEcho);
    }

    bool Sending() const { return direction == TransferDirection::Send; }
    std::span<const uint8_t> Received() const { return {buffer.data(), length}; }

private:
    TransferJob(TransferDirection d, std::string o, std::span<const uint8_t> p, std::span<uint8_t> b,
                uint8_t echo)
        : direction(d), object(std::move(o)), payload(p), buffer(b), expectedEcho(echo)
    {
    }
};

}  // namespace volmar
