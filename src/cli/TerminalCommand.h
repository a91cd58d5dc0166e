#pragma once
// volmar-cli terminal: the unit's text log (SW1 on) on stdout.
#include "cli/Args.h"
#include "cli/Console.h"

namespace volmar::cli {

extern const char* const kTerminalHelp;
// Process-only: the log goes to the process's standard output descriptor,
// not to console.out, and the command takes SIGINT, SIGTERM, SIGHUP and
// SIGPIPE for its lifetime. Its messages go to console.err.
int CmdTerminal(const Args& args, Console& console);

}  // namespace volmar::cli
