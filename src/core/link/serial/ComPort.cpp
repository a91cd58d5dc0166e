#include "core/link/serial/ComPort.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>

#include <cerrno>

#include "core/link/serial/BlockTransactions.h"

namespace volmar {
namespace {

constexpr speed_t kLineSpeed = B38400;

// 8N1 raw at 38400 baud, no flow control, reads never wait.
int ApplyLineSettings(int fd)
{
    termios t{};
    if (::tcgetattr(fd, &t) < 0) return errno;
    ::cfmakeraw(&t);
    t.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
    t.c_cflag |= CS8 | CREAD | CLOCAL;
    t.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    if (::cfsetispeed(&t, kLineSpeed) < 0 || ::cfsetospeed(&t, kLineSpeed) < 0) return errno;
    if (::tcsetattr(fd, TCSANOW, &t) < 0) return errno;
    // tcsetattr succeeds when any change took; check that all of them did.
    termios now{};
    if (::tcgetattr(fd, &now) < 0) return errno;
    if (::cfgetospeed(&now) != kLineSpeed || (now.c_cflag & CSIZE) != CS8 ||
        (now.c_cflag & (PARENB | CSTOPB | CRTSCTS)) != 0)
        return EINVAL;
    return 0;
}

// DTR and RTS off. Devices without modem lines (pseudo-terminals) refuse the
// request; that is not a failure.
int LowerModemLines(int fd)
{
    int lines = TIOCM_DTR | TIOCM_RTS;
    if (::ioctl(fd, TIOCMBIC, &lines) < 0 && errno != ENOTTY && errno != EINVAL) return errno;
    return 0;
}

}  // namespace

PortOpenResult CComPort::Open(const std::string& devicePath)
{
    Close();
    UniqueFd fd(::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.Valid()) return {false, errno};
    if (!::isatty(fd.Get())) return {false, ENOTTY};
    // TIOCEXCL keeps other openers out (except privileged ones); the lock
    // also keeps out a second copy of this program running as root.
    if (::flock(fd.Get(), LOCK_EX | LOCK_NB) < 0) return {false, errno == EWOULDBLOCK ? EBUSY : errno};
    if (::ioctl(fd.Get(), TIOCEXCL) < 0) return {false, errno};
    int error = ApplyLineSettings(fd.Get());
    if (error == 0) error = LowerModemLines(fd.Get());
    if (error == 0 && ::tcflush(fd.Get(), TCIOFLUSH) < 0) error = errno;
    if (error != 0) {
        ::ioctl(fd.Get(), TIOCNXCL);
        return {false, error};
    }
    Adopt(std::move(fd));
    return {true, 0};
}

void CComPort::Close()
{
    if (!IsOpen()) return;
    // The device may stay open elsewhere (a pseudo-terminal's holder); do not
    // leave it locked against the next opening.
    ::ioctl(Fd(), TIOCNXCL);
    CloseFd();
}

bool CComPort::Request(uint8_t command, const uint8_t* param, size_t paramLen, uint8_t replyCode,
                       uint8_t* out, size_t capacity, size_t& received)
{
    received = 0;
    if (!IsOpen()) return false;
    return RequestTransaction(*this, m_clock, m_progress, command, param, paramLen, replyCode, out,
                              capacity, received);
}

bool CComPort::Send(const uint8_t* param, size_t paramLen, const uint8_t* data, size_t len)
{
    if (!IsOpen()) return false;
    return SendTransaction(*this, m_clock, m_progress, param, paramLen, data, len);
}

}  // namespace volmar
