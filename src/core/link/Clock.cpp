#include "core/link/Clock.h"

#include <chrono>
#include <thread>

namespace volmar {
namespace {

class SteadyClock final : public Clock {
public:
    int64_t NowMs() override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
    void SleepMs(int ms) override
    {
        if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
};

}  // namespace

Clock& SystemClock()
{
    static SteadyClock clock;
    return clock;
}

}  // namespace volmar
