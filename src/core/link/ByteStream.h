#pragma once
// The byte pipe under the serial block protocol. The termios port and the
// in-memory pair used by the tests both implement it, so every transaction
// and fault case can run without a device.
#include <cstddef>
#include <cstdint>

namespace volmar {

class ByteStream {
public:
    virtual ~ByteStream() = default;
    // Writes all bytes or fails; returns the number written (len on success).
    virtual size_t Write(const uint8_t* data, size_t len) = 0;
    // Waits until everything written has left the port; a line that does not
    // take it within the write deadline has its output discarded and fails.
    virtual bool Flush() = 0;
    // Number of received bytes ready to read without blocking.
    virtual size_t Queued() = 0;
    // Reads at most len of the queued bytes; never blocks.
    virtual size_t Read(uint8_t* data, size_t len) = 0;
    // Drops everything queued in both directions.
    virtual void Purge() = 0;
    // Waits until at least one byte is queued or timeoutMs passes; returns
    // true when bytes are queued. Production ports poll() the descriptor;
    // in-memory streams advance their virtual clock instead.
    virtual bool WaitReadable(int timeoutMs) = 0;
};

}  // namespace volmar
