#include "ScriptedPeer.h"

#include <dirent.h>
#include <poll.h>
#include <sys/socket.h>

#include <chrono>

namespace volmar::test {

void DrainPeer(int fd, size_t n, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    char buf[4096];
    while (n > 0 && std::chrono::steady_clock::now() < deadline) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0) continue;
        const ssize_t r = ::recv(fd, buf, n < sizeof buf ? n : sizeof buf, 0);
        if (r <= 0) return;
        n -= static_cast<size_t>(r);
    }
}

int OpenDescriptorCount()
{
    int count = 0;
    if (DIR* d = ::opendir("/proc/self/fd")) {
        while (dirent* e = ::readdir(d))
            if (e->d_name[0] != '.') ++count;
        ::closedir(d);
        --count;  // the directory stream itself
    }
    return count;
}

}  // namespace volmar::test
