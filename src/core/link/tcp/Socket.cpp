#include "core/link/tcp/Socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace volmar {
namespace {

int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool SetKeepAlive(int fd)
{
    int on = 1;
    int idle = kKeepAliveIdleMs / 1000;
    int interval = kKeepAliveIntervalMs / 1000;
    return setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on) == 0 &&
           setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &idle, sizeof idle) == 0 &&
           setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &interval, sizeof interval) == 0;
}

}  // namespace

int PollFor(int fd, short events, int timeoutMs, const SocketStop* stop)
{
    const int64_t deadline = NowMs() + (timeoutMs > 0 ? timeoutMs : 0);
    for (;;) {
        int64_t left = deadline - NowMs();
        if (left < 0) left = 0;
        if (stop) {
            if (stop->Stopped()) return 0;
            left = stop->Cap(static_cast<int>(left));
        }
        pollfd p[2] = {{fd, events, 0}, {stop ? stop->WakeFd() : -1, POLLIN, 0}};
        int r = ::poll(p, stop ? 2 : 1, static_cast<int>(left));
        if (r > 0 && p[1].revents != 0) return 0;
        if (r > 0) return (p[0].revents & (events | POLLERR | POLLHUP)) ? 1 : -1;
        if (r == 0) return 0;
        if (errno != EINTR) return -1;
    }
}

bool ResolveIpv4(const std::string& address, in_addr& out)
{
    if (address.empty()) return false;
    if (inet_pton(AF_INET, address.c_str(), &out) == 1) return true;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    if (getaddrinfo(address.c_str(), nullptr, &hints, &list) != 0 || list == nullptr) return false;
    bool found = false;
    for (addrinfo* a = list; a != nullptr; a = a->ai_next) {
        if (a->ai_family == AF_INET && a->ai_addr != nullptr) {
            out = reinterpret_cast<const sockaddr_in*>(a->ai_addr)->sin_addr;
            found = true;
            break;
        }
    }
    freeaddrinfo(list);
    return found;
}

UniqueFd ConnectTcp(const std::string& address, uint16_t port, const SocketTimeouts& timeouts)
{
    UniqueFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd || !SetKeepAlive(fd.Get())) return {};
    // Headers and short blocks go out at once instead of waiting for the
    // peer's delayed acknowledgement.
    int noDelay = 1;
    setsockopt(fd.Get(), IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(port);
    if (!ResolveIpv4(address, sa.sin_addr)) return {};
    if (::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&sa), sizeof sa) != 0) {
        if (errno != EINPROGRESS && errno != EINTR) return {};
        if (PollFor(fd.Get(), POLLOUT, timeouts.connectMs, timeouts.stop) != 1) return {};
        int err = 0;
        socklen_t len = sizeof err;
        if (getsockopt(fd.Get(), SOL_SOCKET, SO_ERROR, &err, &len) != 0 || err != 0) return {};
    }
    return fd;
}

bool SendAll(int fd, const uint8_t* data, size_t len, int inactivityMs, const ByteCountFn& counted,
             const SocketStop* stop)
{
    size_t done = 0;
    int64_t deadline = NowMs() + inactivityMs;
    while (done < len) {
        ssize_t n = ::send(fd, data + done, len - done, MSG_NOSIGNAL);
        if (n > 0) {
            done += static_cast<size_t>(n);
            deadline = NowMs() + inactivityMs;
            if (counted) counted(static_cast<size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            int64_t left = deadline - NowMs();
            if (left <= 0 || PollFor(fd, POLLOUT, static_cast<int>(left), stop) != 1) return false;
            continue;
        }
        return false;
    }
    return true;
}

bool ReadExactly(int fd, uint8_t* data, size_t len, int inactivityMs, const ByteCountFn& counted,
                 const SocketStop* stop)
{
    size_t done = 0;
    // The time-out counts from the last byte received, not from the start:
    // a long transfer over a slow link succeeds as long as bytes keep coming.
    int64_t deadline = NowMs() + inactivityMs;
    while (done < len) {
        ssize_t n = ::recv(fd, data + done, len - done, 0);
        if (n > 0) {
            done += static_cast<size_t>(n);
            deadline = NowMs() + inactivityMs;
            if (counted) counted(static_cast<size_t>(n));
            continue;
        }
        if (n == 0) return false;  // the peer closed
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) return false;
        int64_t left = deadline - NowMs();
        if (left <= 0 || PollFor(fd, POLLIN, static_cast<int>(left), stop) != 1) return false;
    }
    return true;
}

}  // namespace volmar
