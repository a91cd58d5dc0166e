#include "cli/Cli.h"

#include <cstdio>
#include <string>

#include "cli/Command.h"
#include "common/FileIo.h"

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

void PrintOverview(FILE* out)
{
    std::fputs("usage: volmar-cli [OPTIONS] COMMAND [ARGS]\n\nCommands:\n", out);
    for (const Command* c : AllCommands()) std::fprintf(out, "  %-11s %s\n", c->name, c->synopsis);
    std::fputs("\n'volmar-cli COMMAND --help' describes one command.\n", out);
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
    if (args.command.empty()) {
        PrintOverview(args.Has("help") ? stdout : stderr);
        return args.Has("help") ? kExitOk : kExitUsage;
    }
    for (const Command* c : AllCommands()) {
        if (args.command != c->name) continue;
        if (args.Has("help")) {
            std::fputs(c->help, stdout);
            return kExitOk;
        }
        return c->run(args);
    }
    std::fprintf(stderr, "volmar-cli: unknown command '%s'\n", args.command.c_str());
    PrintOverview(stderr);
    return kExitUsage;
}

}  // namespace volmar::cli
