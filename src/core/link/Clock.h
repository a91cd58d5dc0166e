#pragma once
// Time source of every time-out and pause in the protocols. Production uses
// the steady clock; tests use a virtual clock so that "three silent replies
// fail the transaction" takes microseconds.
#include <cstdint>

namespace volmar {

class Clock {
public:
    virtual ~Clock() = default;
    virtual int64_t NowMs() = 0;
    virtual void SleepMs(int ms) = 0;
};

// The process-wide steady clock.
Clock& SystemClock();

}  // namespace volmar
