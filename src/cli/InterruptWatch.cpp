#include "cli/InterruptWatch.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace volmar::cli {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM};
constexpr char kInterrupted = 'i';
constexpr char kQuit = 'q';
constexpr int kWakeMs = 1000;

std::atomic<int> g_wakeFd{-1};

extern "C" void WakeOnSignal(int)
{
    const int saved = errno;
    const int fd = g_wakeFd.load();
    if (fd >= 0) {
        [[maybe_unused]] const ssize_t n = ::write(fd, &kInterrupted, 1);
    }
    errno = saved;
}

}  // namespace

InterruptWatch::InterruptWatch(std::function<void()> onInterrupt) : m_onInterrupt(std::move(onInterrupt))
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    m_read.Reset(fds[0]);
    m_write.Reset(fds[1]);
    int expected = -1;
    if (!g_wakeFd.compare_exchange_strong(expected, m_write.Get())) return;  // another watch lives
    struct sigaction action {};
    action.sa_handler = WakeOnSignal;
    sigemptyset(&action.sa_mask);
    for (size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &action, &m_previous[i]);
    m_installed = true;
    m_thread = std::thread([this] { Watch(); });
}

InterruptWatch::~InterruptWatch()
{
    if (!m_installed) return;
    for (size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &m_previous[i], nullptr);
    g_wakeFd = -1;
    [[maybe_unused]] const ssize_t n = ::write(m_write.Get(), &kQuit, 1);
    m_thread.join();
}

void InterruptWatch::Watch()
{
    for (;;) {
        pollfd p{m_read.Get(), POLLIN, 0};
        if (::poll(&p, 1, kWakeMs) <= 0) continue;
        char c = 0;
        while (::read(m_read.Get(), &c, 1) == 1) {
            if (c == kQuit) return;
            m_onInterrupt();
        }
    }
}

}  // namespace volmar::cli
