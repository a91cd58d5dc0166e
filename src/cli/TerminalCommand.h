#pragma once
// volmar-cli terminal: the unit's text log (SW1 on) on stdout.
#include "cli/Args.h"

namespace volmar::cli {

extern const char* const kTerminalHelp;
int CmdTerminal(const Args& args);

}  // namespace volmar::cli
