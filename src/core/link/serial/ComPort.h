#pragma once
// The serial port to a unit: 38400 baud 8N1, raw, no flow control, DTR and
// RTS off, opened exclusively. One per transaction, owned by the caller on
// its stack; the descriptor is closed on every path.
#include <atomic>
#include <cstdint>
#include <string>

#include "core/link/Clock.h"
#include "core/link/serial/FdStream.h"
#include "core/link/serial/PortOpenError.h"

namespace volmar {

// Outcome of CComPort::Open: error is the errno of the step that failed.
struct PortOpenResult {
    bool ok = false;
    int error = 0;
};

class CComPort final : public FdStream {
public:
    CComPort() : CComPort(SystemClock()) {}
    explicit CComPort(Clock& clock) : m_clock(clock) {}
    ~CComPort() override { Close(); }
    CComPort(const CComPort&) = delete;
    CComPort& operator=(const CComPort&) = delete;

    // Opens a terminal device such as "/dev/ttyACM0"; a port still open is
    // closed first. Fails unless the device opens exclusively and takes the
    // line settings. The caller says "Cannot open COM port %d" and may add
    // DescribePortOpenError(result.error).
    PortOpenResult Open(const std::string& devicePath);
    // Closes the port; closing a closed port does nothing.
    void Close();

    // The request transaction (see BlockTransactions.h).
    bool Request(uint8_t command, const uint8_t* param, size_t paramLen, uint8_t replyCode,
                 uint8_t* out, size_t capacity, size_t& received);
    // The send transaction: a 'P' header naming the object, then the data.
    bool Send(const uint8_t* param, size_t paramLen, const uint8_t* data, size_t len);

    // Payload bytes moved so far in the current transaction; any thread may read it.
    int32_t Progress() const { return m_progress.load(std::memory_order_relaxed); }

private:
    // Only Open and Close change the descriptor.
    using FdStream::Adopt;
    using FdStream::CloseFd;

    Clock& m_clock;
    std::atomic<int32_t> m_progress{0};
};

}  // namespace volmar
