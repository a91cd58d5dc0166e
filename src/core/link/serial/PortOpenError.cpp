#include "core/link/serial/PortOpenError.h"

#include <cerrno>
#include <cstring>

namespace volmar {

std::string DescribePortOpenError(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return "Permission denied: the user needs access to the port (member of the dialout group).";
    case EBUSY:
        return "The port is in use by another program.";
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return "No such port: the device is not connected.";
    case ENOTTY:
        return "The device is not a serial port.";
    default:
        return std::string("System error: ") + std::strerror(error);
    }
}

}  // namespace volmar
