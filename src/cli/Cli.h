#pragma once
// volmar-cli as a library: the program's main() and the tests run the
// commands through Run.
#include "cli/Console.h"

namespace volmar::cli {

// Runs volmar-cli with the arguments (argv[0] is the program's name) on the
// console's streams; returns the exit code.
int Run(int argc, char** argv, Console& console);

}  // namespace volmar::cli
