#pragma once
// A pseudo-terminal pair in raw mode: the simulator serves the unit on the
// master; the tool opens the slave path as its serial port.
#include <string>

#include "core/common/UniqueFd.h"

namespace volmar::sim {

struct PseudoTerminal {
    UniqueFd master;     // non-blocking, close-on-exec
    UniqueFd slaveHold;  // keeps the line up while the tool has the port closed
    std::string slavePath;
};

// Opens a pair; on failure returns false and sets error to the errno.
bool OpenPseudoTerminal(PseudoTerminal& pty, int& error);

}  // namespace volmar::sim
