#pragma once
// What ends every wait of the sockets of one operation early: a deadline
// (the operation may take this long, however many connections it makes) and
// a stop any thread may give (Cancel). A wait that meets either fails as a
// time-out does, so the flows end the way they end on a silent unit, and
// every descriptor is closed on its usual path.
#include <atomic>
#include <chrono>
#include <cstdint>

#include "core/common/UniqueFd.h"

namespace volmar {

class SocketStop {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    SocketStop();
    SocketStop(const SocketStop&) = delete;
    SocketStop& operator=(const SocketStop&) = delete;

    // No wait lasts past this moment (none: no deadline).
    void SetDeadline(TimePoint at);
    // Ends every wait now and later; any thread may call it.
    void Stop();

    bool Stopped() const { return m_stopped.load(std::memory_order_acquire); }
    // Whether the deadline has passed.
    bool Expired() const;
    // The longest a wait of timeoutMs may last now: cut at the deadline, 0
    // once stopped or expired.
    int Cap(int timeoutMs) const;
    // Readable once Stop was called: poll it beside the socket.
    int WakeFd() const { return m_wake.Get(); }

private:
    UniqueFd m_wake;
    std::atomic<bool> m_stopped{false};
    std::atomic<int64_t> m_deadlineNs{0};  // steady clock; 0: none
};

}  // namespace volmar
