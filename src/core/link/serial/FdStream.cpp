#include "core/link/serial/FdStream.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

namespace volmar {
namespace {

// How often a flush looks at the output queue.
constexpr int kFlushPollMs = 5;

int64_t SteadyMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Polls fd for events until timeoutMs passes, riding out signals.
// Returns the revents, or 0 on time-out or error.
short PollFor(int fd, short events, int timeoutMs)
{
    const int64_t deadline = SteadyMs() + timeoutMs;
    for (;;) {
        pollfd p{fd, events, 0};
        const int64_t remaining = deadline - SteadyMs();
        const int rc = ::poll(&p, 1, static_cast<int>(remaining > 0 ? remaining : 0));
        if (rc > 0) return p.revents;
        if (rc == 0) return 0;
        if (errno != EINTR) return 0;
    }
}

}  // namespace

size_t FdStream::Write(const uint8_t* data, size_t len)
{
    const int64_t deadline = SteadyMs() + m_writeTimeoutMs;
    size_t done = 0;
    while (m_fd.Valid() && done < len) {
        const ssize_t n = ::write(m_fd.Get(), data + done, len - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            const int64_t remaining = deadline - SteadyMs();
            if (remaining <= 0 || !(PollFor(m_fd.Get(), POLLOUT, static_cast<int>(remaining)) & POLLOUT)) break;
        } else {
            break;
        }
    }
    // Half a frame must not reach the unit later, when the line moves again.
    if (done < len) DiscardOutput();
    return done;
}

// Waits for the output queue to empty against the write deadline. A USB
// adapter that stops taking bytes would hold tcdrain() for good.
bool FdStream::Flush()
{
    if (!m_fd.Valid()) return false;
    const int64_t deadline = SteadyMs() + m_writeTimeoutMs;
    for (;;) {
        int queued = 0;
        if (::ioctl(m_fd.Get(), TIOCOUTQ, &queued) < 0) return false;
        if (queued <= 0) return true;
        const int64_t remaining = deadline - SteadyMs();
        if (remaining <= 0) {
            DiscardOutput();
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min<int64_t>(kFlushPollMs, remaining)));
    }
}

void FdStream::DiscardOutput()
{
    if (m_fd.Valid()) ::tcflush(m_fd.Get(), TCOFLUSH);
}

size_t FdStream::Queued()
{
    int count = 0;
    if (!m_fd.Valid() || ::ioctl(m_fd.Get(), FIONREAD, &count) < 0 || count < 0) return 0;
    return static_cast<size_t>(count);
}

size_t FdStream::Read(uint8_t* data, size_t len)
{
    if (!m_fd.Valid() || len == 0) return 0;
    for (;;) {
        const ssize_t n = ::read(m_fd.Get(), data, len);
        if (n > 0) return static_cast<size_t>(n);
        if (n < 0 && errno == EINTR) continue;
        return 0;
    }
}

void FdStream::Purge()
{
    if (m_fd.Valid()) ::tcflush(m_fd.Get(), TCIOFLUSH);
}

bool FdStream::WaitReadable(int timeoutMs)
{
    if (!m_fd.Valid()) return false;
    if (Queued() > 0) return true;
    const short revents = PollFor(m_fd.Get(), POLLIN, timeoutMs);
    // A hung-up line also wakes poll(); only queued bytes count.
    return (revents & POLLIN) && Queued() > 0;
}

}  // namespace volmar
