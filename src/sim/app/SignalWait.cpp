#include "sim/app/SignalWait.h"

#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace volmar::sim {
namespace {

sigset_t EndingSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    return set;
}

}  // namespace

bool SignalWait::Install()
{
    const sigset_t set = EndingSignals();
    if (pthread_sigmask(SIG_BLOCK, &set, nullptr) != 0) return false;
    m_fd.Reset(signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK));
    return m_fd.Valid();
}

int SignalWait::Wait(int timeoutMs)
{
    pollfd p{m_fd.Get(), POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) <= 0) return 0;
    signalfd_siginfo info{};
    if (::read(m_fd.Get(), &info, sizeof info) != static_cast<ssize_t>(sizeof info)) return 0;
    return static_cast<int>(info.ssi_signo);
}

const char* SignalName(int signal)
{
    switch (signal) {
    case SIGINT: return "SIGINT";
    case SIGTERM: return "SIGTERM";
    case SIGHUP: return "SIGHUP";
    default: return "a signal";
    }
}

}  // namespace volmar::sim
