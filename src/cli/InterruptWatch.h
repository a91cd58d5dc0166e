#pragma once
// Ctrl+C (SIGINT) and SIGTERM as a request to stop, for a command that ends
// its work cleanly instead of dying in the middle: while a watch lives, the
// signals call its function on a thread of its own; the previous handlers
// come back when it goes. One watch at a time.
#include <csignal>
#include <functional>
#include <thread>

#include "core/common/UniqueFd.h"

namespace volmar::cli {

class InterruptWatch {
public:
    explicit InterruptWatch(std::function<void()> onInterrupt);
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

private:
    void Watch();

    std::function<void()> m_onInterrupt;
    UniqueFd m_read;
    UniqueFd m_write;
    struct sigaction m_previous[2]{};
    bool m_installed = false;
    std::thread m_thread;
};

}  // namespace volmar::cli
