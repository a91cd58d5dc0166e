#pragma once
// The tool's end of an in-memory serial line on a virtual clock. What the
// tool writes goes to a far-end handler (a scripted unit, or the simulator's
// unit session); what the far end sends is injected with Inject and becomes
// readable when the virtual clock reaches its arrival time. WaitReadable
// moves the clock to the next arrival or to the end of the time-out.
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "VirtualClock.h"
#include "core/link/ByteStream.h"

namespace volmar::test {

class MemoryStream final : public ByteStream {
public:
    using FarEnd = std::function<void(const uint8_t* data, size_t len)>;

    explicit MemoryStream(VirtualClock& clock) : m_clock(clock) {}

    // Receives every write of the tool, after it is logged.
    void SetFarEnd(FarEnd farEnd) { m_farEnd = std::move(farEnd); }
    // Bytes from the far end, sent delayMs from now. At the line rate each
    // byte takes 1/3840 s on the wire, one after the other.
    void Inject(const std::vector<uint8_t>& bytes, int delayMs = 0);
    void SetLineRate(bool paced) { m_paced = paced; }
    // From now on writes fail and nothing more arrives: the port is gone.
    void Break() { m_broken = true; }

    const std::vector<uint8_t>& Written() const { return m_written; }
    int Purges() const { return m_purges; }
    // Bytes injected that have not been read yet (arrived or in flight).
    size_t Unread() const { return m_inbound.size(); }

    size_t Write(const uint8_t* data, size_t len) override;
    bool Flush() override { return !m_broken; }
    size_t Queued() override;
    size_t Read(uint8_t* data, size_t len) override;
    void Purge() override;
    bool WaitReadable(int timeoutMs) override;

private:
    struct Arrival {
        int64_t atUs;
        uint8_t byte;
    };

    VirtualClock& m_clock;
    FarEnd m_farEnd;
    std::deque<Arrival> m_inbound;
    std::vector<uint8_t> m_written;
    int64_t m_wireFreeUs = 0;
    bool m_paced = false;
    bool m_broken = false;
    int m_purges = 0;
};

}  // namespace volmar::test
