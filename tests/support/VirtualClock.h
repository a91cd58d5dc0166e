#pragma once
// A clock that moves only when something sleeps or waits on it, so tests of
// time-outs run in microseconds. Kept in microseconds for line-rate pacing.
#include <atomic>
#include <cstdint>

#include "core/link/Clock.h"

namespace volmar::test {

class VirtualClock final : public Clock {
public:
    int64_t NowMs() override { return m_nowUs.load() / 1000; }
    void SleepMs(int ms) override
    {
        if (ms > 0) m_nowUs += int64_t{ms} * 1000;
    }
    int64_t NowUs() const { return m_nowUs.load(); }
    void AdvanceToUs(int64_t us)
    {
        if (us > m_nowUs.load()) m_nowUs = us;
    }

private:
    std::atomic<int64_t> m_nowUs{0};
};

}  // namespace volmar::test
