#include "core/link/transfer/LineStop.h"

#include <algorithm>

namespace volmar {
namespace {

bool Ended(const SocketStop& stop)
{
    return stop.Stopped() || stop.Expired();
}

}  // namespace

LineStop::LineStop(ByteStream& stream, Clock& clock, const SocketStop& stop)
    : m_stream(stream, clock, stop), m_clock(clock, stop)
{
}

size_t LineStop::StoppedStream::Write(const uint8_t* data, size_t len)
{
    return Ended(m_stop) ? 0 : m_inner.Write(data, len);
}

bool LineStop::StoppedStream::WaitReadable(int timeoutMs)
{
    const int64_t until = m_clock.NowMs() + timeoutMs;
    for (;;) {
        const int64_t left = until - m_clock.NowMs();
        if (Ended(m_stop) || left <= 0) return m_inner.Queued() > 0;
        const int slice = m_stop.Cap(static_cast<int>(std::min<int64_t>(left, kSliceMs)));
        const int64_t before = m_clock.NowMs();
        if (m_inner.WaitReadable(slice)) return true;
        // A broken line answers at once: it gets no more waits.
        if (slice > 0 && m_clock.NowMs() - before < slice / 2) return false;
    }
}

void LineStop::StoppedClock::SleepMs(int ms)
{
    for (int left = ms; left > 0 && !Ended(m_stop);) {
        const int slice = m_stop.Cap(std::min(left, kSliceMs));
        if (slice <= 0) return;
        m_inner.SleepMs(slice);
        left -= slice;
    }
}

}  // namespace volmar
