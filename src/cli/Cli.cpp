#include "cli/Cli.h"

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string>

#include "cli/Command.h"
#include "core/common/FileIo.h"

namespace volmar::cli {

const std::vector<const Command*>& AllCommands()
{
    static const std::vector<const Command*> all = [] {
        std::vector<const Command*> list;
        for (const auto* family : {&FileCommands(), &DeviceCommands(), &MaintenanceCommands(), &NetworkCommands(),
                                   &ReportCommands(), &SettingCommands(),
                                   &ChannelCommands(), &FleetCommands()})
            for (const Command& c : *family) list.push_back(&c);
        return list;
    }();
    return all;
}

namespace {

const Command* Find(const std::string& name)
{
    for (const Command* c : AllCommands())
        if (name == c->name) return c;
    return nullptr;
}

// Every option of every command: the command line is read with them all,
// as an option may stand before the command's name.
std::vector<Option> AllOptions()
{
    std::vector<Option> all = GeneralOptions();
    all.insert(all.end(), LinkOptions().begin(), LinkOptions().end());
    for (const Command* c : AllCommands()) all.insert(all.end(), c->options.begin(), c->options.end());
    return all;
}

void PrintOverview(std::ostream& out)
{
    // The layout help2man reads for the manual page: "Usage:", and two
    // spaces at least between a command and its synopsis.
    out << "Usage: volmar-cli [OPTIONS] COMMAND [ARGS]\n\nCommands:\n";
    int width = 0;
    for (const Command* c : AllCommands()) width = std::max(width, static_cast<int>(std::strlen(c->name)));
    for (const Command* c : AllCommands()) Print(out, "  %-*s  %s\n", width, c->name, c->synopsis);
    out << "\nOptions:\n"
           "  -h, --help     show this text, or with a command the command's text\n"
           "  --version      show the version\n"
           "\nExit status:\n"
           "  0   done\n"
           "  1   check: unsupported information; diff: the settings differ\n"
           "  2   a settings file holds an unsupported parameter (diff: or unsupported\n"
           "      information)\n"
           "  3   failed: a file, the link or the unit failed, or a value was refused\n"
           "  4   upload: the setting read back is not the one uploaded\n"
           "  5   not confirmed: a question was answered no, or there was no terminal\n"
           "      to ask it; the unit was not changed\n"
           "  64  usage: an unknown command or option, missing or bad arguments\n"
           "\n'volmar-cli COMMAND --help' describes one command.\n";
}

}  // namespace

bool WriteOutput(const Args& args, Console& console, const std::string& bytes)
{
    if (const std::string* path = args.Value("output"); path && *path != "-") {
        std::string error;
        if (!WriteFileAtomically(*path, bytes, &error)) {
            Print(console.err, "volmar-cli: cannot write %s\n", error.c_str());
            return false;
        }
        return true;
    }
    if (!console.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush()) {
        console.err << "volmar-cli: cannot write to standard output\n";
        return false;
    }
    return true;
}

int Run(int argc, char** argv, Console& console)
{
    Args args = ParseArgs(argc, argv, AllOptions());
    if (!args.error.empty()) {
        Print(console.err, "volmar-cli: %s\n", args.error.c_str());
        return kExitUsage;
    }
    const Command* command = Find(args.command);
    if (command) {
        if (const std::string error = CheckCommandOptions(args, command->link, command->options); !error.empty()) {
            Print(console.err, "volmar-cli: %s\n", error.c_str());
            return kExitUsage;
        }
    }
    if (args.command.empty() && args.Has("version") && !args.Has("help")) {
        Print(console.out, "volmar-cli %s\n", VOLMAR_VERSION);
        return kExitOk;
    }
    if (args.command.empty()) {
        PrintOverview(args.Has("help") ? console.out : console.err);
        return args.Has("help") ? kExitOk : kExitUsage;
    }
    if (command) {
        if (args.Has("help")) {
            console.out << command->help;
            return kExitOk;
        }
        const int code = command->run(args, console);
        return code == kExitFailed && console.declined ? kExitNotConfirmed : code;
    }
    Print(console.err, "volmar-cli: unknown command '%s'\n", args.command.c_str());
    PrintOverview(console.err);
    return kExitUsage;
}

}  // namespace volmar::cli
