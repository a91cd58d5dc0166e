#include "sim/serial/PseudoTerminal.h"

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace volmar::sim {
namespace {

bool AddFlags(int fd, int fdFlags, int statusFlags)
{
    const int fdNow = ::fcntl(fd, F_GETFD);
    const int statusNow = ::fcntl(fd, F_GETFL);
    return fdNow >= 0 && statusNow >= 0 && ::fcntl(fd, F_SETFD, fdNow | fdFlags) == 0 &&
           ::fcntl(fd, F_SETFL, statusNow | statusFlags) == 0;
}

}  // namespace

bool OpenPseudoTerminal(PseudoTerminal& pty, int& error)
{
    termios raw{};
    ::cfmakeraw(&raw);
    raw.c_cflag |= CLOCAL | CREAD;
    ::cfsetispeed(&raw, B38400);
    ::cfsetospeed(&raw, B38400);
    int master = -1;
    int slave = -1;
    if (::openpty(&master, &slave, nullptr, &raw, nullptr) < 0) {
        error = errno;
        return false;
    }
    UniqueFd masterFd(master);
    UniqueFd slaveFd(slave);
    char name[128];
    if (!AddFlags(master, FD_CLOEXEC, O_NONBLOCK) || !AddFlags(slave, FD_CLOEXEC, 0)) {
        error = errno;
        return false;
    }
    const int rc = ::ttyname_r(slave, name, sizeof name);
    if (rc != 0) {
        error = rc;
        return false;
    }
    pty.master = std::move(masterFd);
    pty.slaveHold = std::move(slaveFd);
    pty.slavePath = name;
    error = 0;
    return true;
}

}  // namespace volmar::sim
