#pragma once
// What the user can do about a serial port that would not open, for the
// lines after the cause: the command that gives this user the port's group,
// or the word that ModemManager holds the port. The system is read below a
// root folder ("/" normally), so that a test can lay out its own proc/,
// etc/group and device.
#include <string>

namespace volmar {

struct PortHostView {
    std::string root = "/";
    std::string userName;  // empty: the user running the program
};

// Empty when there is nothing to add.
std::string PortAccessHint(int error, const std::string& device, const PortHostView& host = {});

}  // namespace volmar
