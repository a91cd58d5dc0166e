#pragma once
// A unit that never answers: a loopback address and port that take the
// connection (the kernel completes it) and then say nothing.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdint>
#include <string>

#include "core/common/UniqueFd.h"

namespace volmar::test {

inline UniqueFd SilentListener(const std::string& address, uint16_t port)
{
    UniqueFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    int on = 1;
    ::setsockopt(fd.Get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(port);
    ::inet_pton(AF_INET, address.c_str(), &sa.sin_addr);
    if (::bind(fd.Get(), reinterpret_cast<const sockaddr*>(&sa), sizeof sa) != 0 || ::listen(fd.Get(), 16) != 0)
        return {};
    return fd;
}

}  // namespace volmar::test
