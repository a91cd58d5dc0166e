#pragma once
// The command line of qn70g-sim.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/serial/SerialFaultPlan.h"
#include "sim/tcp/LoopbackServer.h"
#include "sim/unit/SimUnitOptions.h"

namespace volmar::sim {

struct AppOptions {
    bool serial = false;
    std::optional<uint16_t> tcpPort;     // plain protocol; 0: any free port
    std::optional<uint16_t> cipherPort;  // encrypted protocol; 0: any free port
    std::string address = "127.0.0.1";  // the local address both TCP links listen on
    std::string configPath;
    std::string journalPath;
    SimUnitOptions unit;
    SerialFaultPlan serialFaults;
    LinkFault networkFault = LinkFault::None;
    // SW1 on: the serial side plays this text log instead of the protocol.
    std::string textLogPath;
    int textLogRate = 10;  // lines per second; 0: as fast as the line takes them
    bool textLogRepeat = false;
};

enum class ParseStatus { Run, Help, Version, Error };

struct ParseResult {
    ParseStatus status = ParseStatus::Error;
    std::string error;  // for Error: what is wrong, on one line
    AppOptions options;
};

// Parses the arguments after the program name.
ParseResult ParseOptions(const std::vector<std::string>& args);

// The --help text.
extern const char* const kUsage;

}  // namespace volmar::sim
