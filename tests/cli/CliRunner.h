#pragma once
// volmar-cli run two ways with one result: as a child process (the binary),
// or in this process through the library (arguments in; exit code, stdout
// and stderr out). Tests that run both ways show the library is the program.
#include <string>
#include <vector>

#include "Process.h"

namespace volmar::test {

enum class Runner { ChildProcess, InProcess };

// Runs volmar-cli in this process. env ("NAME=value") holds for the run
// only; stdin holds input and is no terminal, as is stderr.
testing::ProcessResult RunCliInProcess(const std::vector<std::string>& args, const std::vector<std::string>& env = {},
                                       const std::string& input = "");

// Runs volmar-cli the runner's way; the child is killed after timeoutMs.
testing::ProcessResult RunCli(Runner runner, const std::vector<std::string>& args,
                              const std::vector<std::string>& env = {}, int timeoutMs = 60000);

std::string RunnerName(Runner runner);

}  // namespace volmar::test
