#pragma once
// A byte stream over a non-blocking terminal descriptor: the serial port
// on the tool's side, the master of a pseudo-terminal on the simulator's.
#include "core/common/UniqueFd.h"
#include "core/link/ByteStream.h"

namespace volmar {

class FdStream : public ByteStream {
public:
    FdStream() = default;
    explicit FdStream(UniqueFd fd) : m_fd(std::move(fd)) {}

    // Takes over fd (which must be non-blocking); closes the previous one.
    void Adopt(UniqueFd fd) { m_fd = std::move(fd); }
    void CloseFd() { m_fd.Reset(); }
    bool IsOpen() const { return m_fd.Valid(); }
    int Fd() const { return m_fd.Get(); }

    // A write, and the flush after it, that cannot finish within this long
    // fails; what is still queued for the line is then discarded.
    static constexpr int kWriteTimeoutMs = 5000;
    void SetWriteTimeout(int ms) { m_writeTimeoutMs = ms; }

    size_t Write(const uint8_t* data, size_t len) override;
    bool Flush() override;
    size_t Queued() override;
    size_t Read(uint8_t* data, size_t len) override;
    void Purge() override;
    bool WaitReadable(int timeoutMs) override;

private:
    // Drops the bytes still waiting for the line.
    void DiscardOutput();

    UniqueFd m_fd;
    int m_writeTimeoutMs = kWriteTimeoutMs;
};

}  // namespace volmar
