#pragma once

namespace volmar::cli {

// Runs volmar-cli with the process arguments; returns the exit code.
int Run(int argc, char** argv);

}  // namespace volmar::cli
