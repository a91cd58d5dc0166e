#include "MemoryStream.h"

#include <algorithm>

namespace volmar::test {
namespace {

constexpr int64_t kByteTimeUs = 1'000'000 / 3840;  // 38400 baud 8N1

}  // namespace

void MemoryStream::Inject(const std::vector<uint8_t>& bytes, int delayMs)
{
    if (m_broken) return;
    int64_t t = m_clock.NowUs() + int64_t{delayMs} * 1000;
    if (!m_inbound.empty()) t = std::max(t, m_inbound.back().atUs);  // the line keeps its order
    if (m_paced) t = std::max(t, m_wireFreeUs);
    for (uint8_t b : bytes) {
        if (m_paced) t += kByteTimeUs;
        m_inbound.push_back({t, b});
    }
    m_wireFreeUs = t;
}

size_t MemoryStream::Write(const uint8_t* data, size_t len)
{
    if (m_broken) return 0;
    m_written.insert(m_written.end(), data, data + len);
    if (m_farEnd) m_farEnd(data, len);
    return len;
}

size_t MemoryStream::Queued()
{
    const int64_t now = m_clock.NowUs();
    size_t n = 0;
    while (n < m_inbound.size() && m_inbound[n].atUs <= now) ++n;
    return n;
}

size_t MemoryStream::Read(uint8_t* data, size_t len)
{
    const size_t n = std::min(len, Queued());
    for (size_t i = 0; i < n; ++i) {
        data[i] = m_inbound.front().byte;
        m_inbound.pop_front();
    }
    return n;
}

void MemoryStream::Purge()
{
    ++m_purges;
    const int64_t now = m_clock.NowUs();
    while (!m_inbound.empty() && m_inbound.front().atUs <= now) m_inbound.pop_front();
}

bool MemoryStream::WaitReadable(int timeoutMs)
{
    if (m_broken) return false;
    if (Queued() > 0) return true;
    const int64_t deadline = m_clock.NowUs() + int64_t{std::max(timeoutMs, 0)} * 1000;
    if (!m_inbound.empty() && m_inbound.front().atUs <= deadline) {
        m_clock.AdvanceToUs(m_inbound.front().atUs);
        return true;
    }
    m_clock.AdvanceToUs(deadline);
    return false;
}

}  // namespace volmar::test
