// The setting commands of volmar-cli: get and set, values addressed by path.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/SettingFile.h"
#include "core/rules/RuleGate.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/SettingPaths.h"

namespace volmar::cli {
namespace {

void PrintRefusals(Console& console, const std::vector<SettingRefusal>& refusals)
{
    for (const SettingRefusal& r : refusals)
        PrintVerdictLine(console.err, r.path, r.label, r.message);
}

int CmdGet(const Args& args, Console& console)
{
    if (args.positional.size() < 2) {
        Print(console.err, "usage: volmar-cli get [--labels] FILE PATH...\n");
        return kExitUsage;
    }
    std::vector<SettingLeaf> leaves;
    std::vector<SettingRefusal> unknown;
    for (size_t i = 1; i < args.positional.size(); ++i) {
        const std::string& path = args.positional[i];
        if (std::optional<SettingLeaf> leaf = ResolveSettingPath(path)) {
            leaves.push_back(std::move(*leaf));
        } else {
            unknown.push_back({path, path.substr(path.find_last_of("/<>") + 1), "Unknown setting"});
        }
    }
    auto record = std::make_unique<SettingRecord>();
    if (const int code = LoadSettingFile(args.positional[0], console, *record); code != kExitOk) return code;
    if (!unknown.empty()) {
        PrintRefusals(console, unknown);
        return 1;
    }
    const std::vector<std::string> values = ReadSettingValues(*record, leaves);
    const bool labels = args.Has("labels");
    for (size_t i = 0; i < leaves.size(); ++i) {
        if (labels) {
            Print(console.out, "%s: %s\n", SettingLabel(leaves[i]).c_str(),
                  ShownSettingValue(leaves[i], values[i]).c_str());
        } else {
            Print(console.out, "%s\n", values[i].c_str());
        }
    }
    return kExitOk;
}

int CmdSet(const Args& args, Console& console)
{
    std::vector<SettingAssignment> assignments;
    for (size_t i = 1; i < args.positional.size(); ++i) {
        std::optional<SettingAssignment> a = ParseSettingAssignment(args.positional[i]);
        if (!a) {
            Print(console.err, "set: not an assignment PATH=VALUE: %s\n", args.positional[i].c_str());
            return kExitUsage;
        }
        assignments.push_back(std::move(*a));
    }
    if (assignments.empty()) {
        Print(console.err, "usage: volmar-cli set FILE PATH=VALUE... [-o OUT]\n");
        return kExitUsage;
    }
    auto record = std::make_unique<SettingRecord>();
    if (const int code = LoadSettingFile(args.positional[0], console, *record); code != kExitOk) return code;
    const std::vector<SettingRefusal> refusals = ApplyAssignmentsThroughRules(*record, assignments);
    if (!refusals.empty()) {
        PrintRefusals(console, refusals);
        return 1;
    }
    return WriteOutput(args, console, WriteSettingDocument(*record)) ? kExitOk : kExitFailed;
}

}  // namespace

const std::vector<Command>& SettingCommands()
{
    static const std::vector<Command> commands = {
        {"get", "print values of a settings file by path",
         "usage: volmar-cli get [--labels] FILE PATH...\n\n"
         "Prints the value of each PATH on a line of its own, as the settings document\n"
         "writes it. PATH is the element path below the root with '/' between the names\n"
         "(SYSTEM/NAME1, IO/AI/AI3/AREA2/LEVEL_UPPER) or as diff prints it. Exit 1 when a\n"
         "PATH is unknown (nothing printed), 2 or 3 as check when FILE is not usable.\n"
         "  --labels  each value as the editors show it, after its label\n",
         CmdGet, LinkUse::None, {kLabelsOption}},
        {"set", "change values of a settings file by path",
         "usage: volmar-cli set FILE PATH=VALUE... [-o OUT]\n\n"
         "Applies the assignments to the setting of FILE, all or nothing, and writes the\n"
         "whole document to OUT or stdout. PATH as for get; VALUE in the document's form\n"
         "(CARD) or, for a list, as the editor shows it (I/O module). When any value is\n"
         "refused, lists every refusal as 'PATH: label: message' on stderr, writes nothing\n"
         "and exits 1; 2 or 3 as check when FILE is not usable.\n",
         CmdSet, LinkUse::None, {kOutputOption}},
    };
    return commands;
}

}  // namespace volmar::cli
