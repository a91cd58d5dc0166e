#include "sim/tcp/LoopbackServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace volmar::sim {

bool LoopbackServer::Start(uint16_t port, Handler handler, const std::string& address)
{
    if (m_thread.joinable()) return false;
    volmar::UniqueFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd) return false;
    int on = 1;
    setsockopt(fd.Get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(port);
    if (::inet_pton(AF_INET, address.c_str(), &sa.sin_addr) != 1) return false;
    if (::bind(fd.Get(), reinterpret_cast<const sockaddr*>(&sa), sizeof sa) != 0) return false;
    if (::listen(fd.Get(), 8) != 0) return false;
    socklen_t len = sizeof sa;
    if (getsockname(fd.Get(), reinterpret_cast<sockaddr*>(&sa), &len) != 0) return false;
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    m_wakeRead.Reset(pipeFds[0]);
    m_wakeWrite.Reset(pipeFds[1]);
    m_listen = std::move(fd);
    m_port = ntohs(sa.sin_port);
    m_handler = std::move(handler);
    m_stop = false;
    m_thread = std::thread([this] { Run(); });
    return true;
}

void LoopbackServer::Stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        if (m_active >= 0) ::shutdown(m_active, SHUT_RDWR);
    }
    if (m_wakeWrite) {
        const char b = 1;
        [[maybe_unused]] ssize_t n = ::write(m_wakeWrite.Get(), &b, 1);
    }
    if (m_thread.joinable()) m_thread.join();
    m_listen.Reset();
    m_wakeRead.Reset();
    m_wakeWrite.Reset();
}

void LoopbackServer::Run()
{
    while (!m_stop) {
        pollfd p[2] = {{m_listen.Get(), POLLIN, 0}, {m_wakeRead.Get(), POLLIN, 0}};
        const int r = ::poll(p, 2, 1000);
        if (r < 0 && errno != EINTR) break;
        if (r <= 0 || !(p[0].revents & POLLIN)) continue;
        volmar::UniqueFd conn(::accept4(m_listen.Get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
        if (!conn) continue;
        int noDelay = 1;
        setsockopt(conn.Get(), IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
        ++m_accepted;
        {
            std::lock_guard lock(m_mutex);
            if (m_stop) break;
            m_active = conn.Get();
        }
        m_handler(conn.Get());
        std::lock_guard lock(m_mutex);
        m_active = -1;
    }
}

void LoopbackServer::HoldOpen(int fd, int timeoutMs) const
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!m_stop) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0) return;
        pollfd p[2] = {{fd, POLLIN, 0}, {m_wakeRead.Get(), POLLIN, 0}};
        const int r = ::poll(p, 2, static_cast<int>(left));
        if (r < 0 && errno != EINTR) return;
        if (r <= 0 || p[1].revents) continue;
        // Whatever the peer still sends is dropped; its closing ends the wait.
        char sink[512];
        const ssize_t n = ::recv(fd, sink, sizeof sink, 0);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) return;
    }
}

}  // namespace volmar::sim
