#pragma once
// A clock that moves only when something sleeps or waits on it, so tests of
// time-outs run in microseconds. Kept in microseconds for line-rate pacing.
#include <atomic>
#include <cstdint>

#include "core/link/Clock.h"

namespace volmar::test {

class VirtualClock final : public Clock {
public:
    int64_t NowMs() override { return nowUs_.load() / 1000; }
    void SleepMs(int ms) override
    {
        if (ms > 0) nowUs_ += int64_t{ms} * 1000;
    }
    int64_t NowUs() const { return nowUs_.load(); }
    void AdvanceToUs(int64_t us)
    {
        if (us > nowUs_.load()) nowUs_ = us;
    }

private:
    std::atomic<int64_t> nowUs_{0};
};

}  // namespace volmar::test
