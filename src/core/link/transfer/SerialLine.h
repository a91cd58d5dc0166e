#pragma once
// The serial line one device operation talks over: the byte stream of the
// open port, its clock and the progress of the current transaction. The
// opener is the seam: the real one opens the termios port named by
// LinkState::comDevice; tests hand over an in-memory stream.
#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "core/link/ByteStream.h"
#include "core/link/Clock.h"
#include "core/link/transfer/LineStop.h"

namespace volmar {

struct LinkState;

class SerialLine {
public:
    SerialLine(ByteStream& stream, Clock& clock) : m_stream(stream), m_clock(clock) {}
    virtual ~SerialLine() = default;
    SerialLine(const SerialLine&) = delete;
    SerialLine& operator=(const SerialLine&) = delete;

    // The request transaction: command with param as data, reply blocks of
    // code reply into out; received is the stored length (0 for '*').
    bool Request(uint8_t command, std::span<const uint8_t> param, uint8_t reply,
                 std::span<uint8_t> out, size_t& received);
    // The send transaction of an object.
    bool Send(std::string_view object, std::span<const uint8_t> data);

    // Payload bytes of the current transaction; any thread may read it.
    int32_t Progress() const { return m_progress.load(std::memory_order_relaxed); }
    void SetProgress(int32_t value) { m_progress.store(value, std::memory_order_relaxed); }

    // From now on every wait and pause of the transactions ends at stop's
    // deadline or soon after it is stopped (a unit's deadline in a fleet
    // run, Cancel); null: none. stop outlives the line.
    void SetStop(const SocketStop* stop);

private:
    ByteStream& Stream() { return m_stop ? m_stop->Stream() : m_stream; }
    Clock& TimeSource() { return m_stop ? m_stop->TimeSource() : m_clock; }

    ByteStream& m_stream;
    Clock& m_clock;
    std::unique_ptr<LineStop> m_stop;
    std::atomic<int32_t> m_progress{0};
};

class SerialPortOpener {
public:
    virtual ~SerialPortOpener() = default;
    // Opens the link's port for one operation; the line closes it when it
    // goes. On failure returns null with the errno in error.
    virtual std::unique_ptr<SerialLine> Open(const LinkState& link, int& error) = 0;
};

// Opens LinkState::comDevice with CComPort on the system clock.
SerialPortOpener& DevicePortOpener();

// Hands out a line over a stream that is already open (an in-memory line,
// a simulator's pseudo-terminal end). The stream stays open afterwards.
class StreamPortOpener final : public SerialPortOpener {
public:
    StreamPortOpener(ByteStream& stream, Clock& clock) : m_stream(stream), m_clock(clock) {}
    std::unique_ptr<SerialLine> Open(const LinkState& link, int& error) override;
    // Number of lines handed out so far.
    int Opened() const { return m_opened; }

private:
    ByteStream& m_stream;
    Clock& m_clock;
    int m_opened = 0;
};

}  // namespace volmar
