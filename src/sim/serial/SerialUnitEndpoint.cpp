#include "sim/serial/SerialUnitEndpoint.h"

#include <algorithm>

namespace volmar::sim {
namespace {

constexpr size_t kPacedChunk = 32;  // about 8 ms of line time

}  // namespace

SerialUnitEndpoint::SerialUnitEndpoint(UnitModel& model, SerialFaultPlan plan)
    : m_session(model, plan), m_paced(plan.paceAtLineRate)
{
}

void SerialUnitEndpoint::Serve(ByteStream& line, Clock& clock, const std::atomic<bool>& stop)
{
    uint8_t buffer[4096];
    while (!stop.load()) {
        const int64_t started = clock.NowMs();
        if (!line.WaitReadable(kStopCheckMs)) {
            // A hung-up line wakes at once; do not spin on it.
            const int64_t spent = clock.NowMs() - started;
            if (spent < kStopCheckMs) clock.SleepMs(static_cast<int>(kStopCheckMs - spent));
            m_session.Tick(clock.NowMs());
            const std::vector<uint8_t> resend = m_session.TakeOutput();
            if (!resend.empty() && !SendOut(line, clock, resend, stop)) return;
            continue;
        }
        // A paced line also brings the tool's bytes at the line rate: take
        // them a chunk at a time, each when the wire would have delivered it,
        // so that the tool's writes are held back as by a real line.
        const size_t n = line.Read(buffer, m_paced ? kPacedChunk : sizeof buffer);
        if (m_paced && n > 0) WaitForLine(clock, n);
        m_session.Receive(buffer, n, clock.NowMs());
        const std::vector<uint8_t> out = m_session.TakeOutput();
        if (!out.empty() && !SendOut(line, clock, out, stop)) return;
    }
}

void SerialUnitEndpoint::WaitForLine(Clock& clock, size_t bytes)
{
    const double now = static_cast<double>(clock.NowMs());
    if (m_receiveDueMs < now) m_receiveDueMs = now;  // the line was idle
    m_receiveDueMs += static_cast<double>(bytes) * 1000.0 / kLineBytesPerSecond;
    if (m_receiveDueMs > now) clock.SleepMs(static_cast<int>(m_receiveDueMs - now));
}

bool SerialUnitEndpoint::SendOut(ByteStream& line, Clock& clock, const std::vector<uint8_t>& bytes,
                                 const std::atomic<bool>& stop)
{
    if (!m_paced) return line.Write(bytes.data(), bytes.size()) == bytes.size() && line.Flush();
    const int64_t start = clock.NowMs();
    for (size_t sent = 0; sent < bytes.size() && !stop.load();) {
        const size_t n = std::min(kPacedChunk, bytes.size() - sent);
        if (line.Write(bytes.data() + sent, n) != n) return false;
        sent += n;
        // Keep to the line rate: the chunk is sent when the wire would be done with it.
        const int64_t due = start + static_cast<int64_t>(sent) * 1000 / kLineBytesPerSecond;
        const int64_t now = clock.NowMs();
        if (due > now) clock.SleepMs(static_cast<int>(due - now));
    }
    return line.Flush();
}

}  // namespace volmar::sim
