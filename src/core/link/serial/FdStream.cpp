#include "link/serial/FdStream.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace volmar {
namespace {

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
    size_t done = 0;
    while (fd_.Valid() && done < len) {
        const ssize_t n = ::write(fd_.Get(), data + done, len - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            const short revents = PollFor(fd_.Get(), POLLOUT, kWriteTimeoutMs);
            if (!(revents & POLLOUT)) break;
        } else {
            break;
        }
    }
    return done;
}

bool FdStream::Flush()
{
    if (!fd_.Valid()) return false;
    int rc;
    do {
        rc = ::tcdrain(fd_.Get());
    } while (rc < 0 && errno == EINTR);
    return rc == 0;
}

size_t FdStream::Queued()
{
    int count = 0;
    if (!fd_.Valid() || ::ioctl(fd_.Get(), FIONREAD, &count) < 0 || count < 0) return 0;
    return static_cast<size_t>(count);
}

size_t FdStream::Read(uint8_t* data, size_t len)
{
    if (!fd_.Valid() || len == 0) return 0;
    for (;;) {
        const ssize_t n = ::read(fd_.Get(), data, len);
        if (n > 0) return static_cast<size_t>(n);
        if (n < 0 && errno == EINTR) continue;
        return 0;
    }
}

void FdStream::Purge()
{
    if (fd_.Valid()) ::tcflush(fd_.Get(), TCIOFLUSH);
}

bool FdStream::WaitReadable(int timeoutMs)
{
    if (!fd_.Valid()) return false;
    if (Queued() > 0) return true;
    const short revents = PollFor(fd_.Get(), POLLIN, timeoutMs);
    // A hung-up line also wakes poll(); only queued bytes count.
    return (revents & POLLIN) && Queued() > 0;
}

}  // namespace volmar
