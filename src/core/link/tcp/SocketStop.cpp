#include "core/link/tcp/SocketStop.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>

namespace volmar {
namespace {

int64_t NowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

SocketStop::SocketStop() : m_wake(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

void SocketStop::SetDeadline(TimePoint at)
{
    const int64_t ns = std::chrono::duration_cast<std::chrono::nanoseconds>(at.time_since_epoch()).count();
    m_deadlineNs.store(std::max<int64_t>(ns, 1), std::memory_order_release);
}

void SocketStop::Stop()
{
    m_stopped.store(true, std::memory_order_release);
    if (m_wake) {
        const uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_wake.Get(), &one, sizeof one);
    }
}

bool SocketStop::Expired() const
{
    const int64_t deadline = m_deadlineNs.load(std::memory_order_acquire);
    return deadline != 0 && NowNs() >= deadline;
}

int SocketStop::Cap(int timeoutMs) const
{
    if (Stopped()) return 0;
    const int64_t deadline = m_deadlineNs.load(std::memory_order_acquire);
    if (deadline == 0) return timeoutMs;
    // Rounded up, so that a wait does not wake just before the deadline and
    // wait again for nothing.
    const int64_t leftMs = (deadline - NowNs() + 999999) / 1000000;
    return static_cast<int>(std::clamp<int64_t>(leftMs, 0, std::max(timeoutMs, 0)));
}

}  // namespace volmar
