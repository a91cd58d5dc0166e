#include "core/link/serial/LineReader.h"

#include <algorithm>

#include "core/link/serial/Frame.h"

namespace volmar {
namespace {

// Waits for more input until deadline; false on time-out or a broken line.
bool WaitUntil(ByteStream& line, Clock& clock, int64_t deadline)
{
    const int64_t remaining = deadline - clock.NowMs();
    if (remaining <= 0) return false;
    return line.WaitReadable(static_cast<int>(remaining));
}

}  // namespace

bool ReadExactly(ByteStream& line, Clock& clock, uint8_t* out, size_t k, int timeoutMs)
{
    const int64_t deadline = clock.NowMs() + timeoutMs;
    size_t got = 0;
    while (got < k) {
        const size_t queued = line.Queued();
        if (queued > 0) {
            const size_t n = line.Read(out + got, std::min(queued, k - got));
            if (n == 0) return false;  // queued but unreadable: the line is broken
            got += n;
            continue;
        }
        if (!WaitUntil(line, clock, deadline)) return false;
    }
    return true;
}

int ReadOneByte(ByteStream& line, Clock& clock, int timeoutMs)
{
    uint8_t b = 0;
    return ReadExactly(line, clock, &b, 1, timeoutMs) ? b : -1;
}

bool HuntStx(ByteStream& line, Clock& clock, int timeoutMs)
{
    const int64_t deadline = clock.NowMs() + timeoutMs;
    for (;;) {
        uint8_t b = 0;
        while (line.Read(&b, 1) == 1) {
            if (b == kStx) return true;
        }
        if (!WaitUntil(line, clock, deadline)) return false;
    }
}

void DrainInput(ByteStream& line, Clock& clock)
{
    const int64_t limit = clock.NowMs() + kDrainLimitMs;
    for (;;) {
        uint8_t sink[256];
        while (line.Read(sink, sizeof sink) > 0) {
        }
        const int64_t remaining = limit - clock.NowMs();
        if (remaining <= 0) return;
        if (!line.WaitReadable(static_cast<int>(std::min<int64_t>(kDrainQuietMs, remaining)))) return;
    }
}

}  // namespace volmar
