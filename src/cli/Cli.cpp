#include "cli/Cli.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/CliInteraction.h"
#include "cli/Command.h"
#include "core/common/FileIo.h"

namespace volmar::cli {
namespace {

std::vector<const Command*> AllCommands()
{
    std::vector<const Command*> all;
    for (const Command& c : FileCommands()) all.push_back(&c);
    for (const Command& c : DeviceCommands()) all.push_back(&c);
    for (const Command& c : MaintenanceCommands()) all.push_back(&c);
    for (const Command& c : NetworkCommands()) all.push_back(&c);
    for (const Command& c : ReportCommands()) all.push_back(&c);
    return all;
}

const Command* Find(const std::string& name)
{
    for (const Command* c : AllCommands())
        if (name == c->name) return c;
    return nullptr;
}

void PrintOverview(FILE* out)
{
    // The layout help2man reads for the manual page: "Usage:", and two
    // spaces at least between a command and its synopsis.
    std::fputs("Usage: volmar-cli [OPTIONS] COMMAND [ARGS]\n\nCommands:\n", out);
    int width = 0;
    for (const Command* c : AllCommands()) width = std::max(width, static_cast<int>(std::strlen(c->name)));
    for (const Command* c : AllCommands()) std::fprintf(out, "  %-*s  %s\n", width, c->name, c->synopsis);
    std::fputs("\nOptions:\n"
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
               "\n'volmar-cli COMMAND --help' describes one command.\n",
               out);
}

}  // namespace

bool WriteOutput(const Args& args, const std::string& bytes)
{
    if (const std::string* path = args.Value("output"); path && *path != "-") {
        std::string error;
        if (!WriteFileAtomically(*path, bytes, &error)) {
            std::fprintf(stderr, "volmar-cli: cannot write %s\n", error.c_str());
            return false;
        }
        return true;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0) {
        std::fputs("volmar-cli: cannot write to standard output\n", stderr);
        return false;
    }
    return true;
}

int Run(int argc, char** argv)
{
    Args args = ParseArgs(argc, argv);
    if (!args.error.empty()) {
        std::fprintf(stderr, "volmar-cli: %s\n", args.error.c_str());
        return kExitUsage;
    }
    if (Find(args.command)) {
        if (const std::string error = CheckCommandOptions(args); !error.empty()) {
            std::fprintf(stderr, "volmar-cli: %s\n", error.c_str());
            return kExitUsage;
        }
    }
    if (args.command.empty() && args.Has("version") && !args.Has("help")) {
        std::printf("volmar-cli %s\n", VOLMAR_VERSION);
        return kExitOk;
    }
    if (args.command.empty()) {
        PrintOverview(args.Has("help") ? stdout : stderr);
        return args.Has("help") ? kExitOk : kExitUsage;
    }
    if (const Command* c = Find(args.command)) {
        if (args.Has("help")) {
            std::fputs(c->help, stdout);
            return kExitOk;
        }
        const int code = c->run(args);
        return code == kExitFailed && CliInteraction::AnyDeclined() ? kExitNotConfirmed : code;
    }
    std::fprintf(stderr, "volmar-cli: unknown command '%s'\n", args.command.c_str());
    PrintOverview(stderr);
    return kExitUsage;
}

}  // namespace volmar::cli
