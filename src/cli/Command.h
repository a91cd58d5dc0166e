#pragma once
#include <string>
#include <vector>

#include "cli/Args.h"
#include "cli/Console.h"

namespace volmar::cli {

// Exit codes shared by the commands.
constexpr int kExitOk = 0;
constexpr int kExitUnsupportedInfo = 1;
constexpr int kExitUnsupportedParam = 2;
constexpr int kExitFailed = 3;
// upload --verify: the unit holds something other than what was uploaded.
constexpr int kExitVerifyFailed = 4;
// A question went unconfirmed (answered no, or no terminal and no --yes):
// nothing was done, and nothing failed.
constexpr int kExitNotConfirmed = 5;
constexpr int kExitUsage = 64;

// A command: what the overview and its --help say, what it runs, and the
// options it takes besides -h/--help (a usage error names any other).
struct Command {
    const char* name;
    const char* synopsis;  // one line for the overview
    const char* help;      // the command's --help text
    int (*run)(const Args&, Console&);
    LinkUse link = LinkUse::None;
    std::vector<Option> options;
};

// The options several command families take.
inline constexpr Option kOutputOption{"output", true, "-o"};
inline constexpr Option kNoInfoMessageOption{"no-info-message"};
inline constexpr Option kLabelsOption{"labels"};
inline constexpr Option kFromUnitOption{"from-unit"};

const std::vector<Command>& FileCommands();
const std::vector<Command>& DeviceCommands();
const std::vector<Command>& MaintenanceCommands();
const std::vector<Command>& NetworkCommands();
const std::vector<Command>& ReportCommands();
const std::vector<Command>& SettingCommands();
const std::vector<Command>& ChannelCommands();
const std::vector<Command>& FleetCommands();

// Every command of every family above, in the overview's order.
const std::vector<const Command*>& AllCommands();

// diff --from-unit FILE: the file against the unit's setting.
int DiffWithUnit(const Args& args, Console& console);

// The --help lines of --no-info-message, for the commands that read a
// settings file (a literal, to be joined with theirs).
#define VOLMAR_NO_INFO_MESSAGE_HELP                                          \
    "  --no-info-message  no message when the file holds only unsupported\n" \
    "                     information (the exit status stays as it is)\n"

// Writes bytes to the -o file (atomically) or to stdout; reports failures.
bool WriteOutput(const Args& args, Console& console, const std::string& bytes);

}  // namespace volmar::cli
