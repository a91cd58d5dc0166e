#pragma once
// A serial line's stream and clock seen through a SocketStop: every wait
// for the unit and every pause between attempts ends at the stop's deadline
// or soon after Stop (it is looked at every kSliceMs), and nothing more is
// written once it has ended. A transaction then ends as it does on a silent
// unit, whatever its retries would still have waited.
#include "core/link/ByteStream.h"
#include "core/link/Clock.h"
#include "core/link/tcp/SocketStop.h"

namespace volmar {

class LineStop {
public:
    static constexpr int kSliceMs = 50;

    LineStop(ByteStream& stream, Clock& clock, const SocketStop& stop);
    LineStop(const LineStop&) = delete;
    LineStop& operator=(const LineStop&) = delete;

    ByteStream& Stream() { return m_stream; }
    Clock& TimeSource() { return m_clock; }

private:
    class StoppedStream final : public ByteStream {
    public:
        StoppedStream(ByteStream& stream, Clock& clock, const SocketStop& stop)
            : m_inner(stream), m_clock(clock), m_stop(stop)
        {
        }
        size_t Write(const uint8_t* data, size_t len) override;
        bool Flush() override { return m_inner.Flush(); }
        size_t Queued() override { return m_inner.Queued(); }
        size_t Read(uint8_t* data, size_t len) override { return m_inner.Read(data, len); }
        void Purge() override { m_inner.Purge(); }
        bool WaitReadable(int timeoutMs) override;

    private:
        ByteStream& m_inner;
        Clock& m_clock;
        const SocketStop& m_stop;
    };

    class StoppedClock final : public Clock {
    public:
        StoppedClock(Clock& clock, const SocketStop& stop) : m_inner(clock), m_stop(stop) {}
        int64_t NowMs() override { return m_inner.NowMs(); }
        void SleepMs(int ms) override;

    private:
        Clock& m_inner;
        const SocketStop& m_stop;
    };

    StoppedStream m_stream;
    StoppedClock m_clock;
};

}  // namespace volmar
