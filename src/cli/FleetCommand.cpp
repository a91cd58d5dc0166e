// volmar-cli fleet: one operation on many units at once (status, backup,
// time, diff, upload), each unit with its own session, deadline and result.
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/DeviceSession.h"
#include "cli/DiffOutput.h"
#include "cli/FleetOutput.h"
#include "cli/InterruptWatch.h"
#include "core/common/FileIo.h"
#include "core/fleet/FleetOperations.h"
#include "core/fleet/FleetRunner.h"
#include "core/fleet/UnitsFile.h"
#include "core/link/connect/AddressBook.h"
#include "core/link/connect/LinkPreferences.h"
#include "core/link/transfer/Login.h"
#include "core/link/transfer/UnitMessages.h"
#include "core/settings/ValueText.h"

namespace volmar::cli {
namespace {

constexpr const char* kUsage =
    "usage: volmar-cli fleet OPERATION\n"
    "       (--all|--unit NAME...|--host ADDRESS[:PORT]...|--serial DEVICE...|--units FILE)\n"
    "       [--jobs N] [--deadline SECONDS] [--json] [LINK OPTIONS]\n"
    "OPERATION: status | backup DIR | time --sync | diff [--details [--labels]] FILE\n"
    "           | upload [--show-changes] [--verify] FILE\n";
constexpr int kMaxJobs = 64;
constexpr int kMaxDeadlineSeconds = 3600;

int Usage(Console& console, const std::string& why)
{
    if (!why.empty()) Print(console.err, "volmar-cli: fleet: %s\n", why.c_str());
    console.err << kUsage;
    return kExitUsage;
}

// The units the options name, in the order: the units file, the address
// book, --unit, --host, --serial. Empty with the reason in error.
std::vector<FleetUnit> SelectUnits(const Args& args, Profile& profile, std::string& error)
{
    std::vector<FleetUnit> units;
    if (const std::string* file = args.Value("units")) {
        std::string text, why;
        if (!ReadWholeFile(*file, kMaxUnitsFile, text, &why)) {
            error = "cannot read " + why;
            return {};
        }
        if (!ParseUnitsFile(text, units, why)) {
            error = *file + ": " + why;
            return {};
        }
    }
    const AddressBook book = ReadAddressBook(profile);
    if (args.Has("all"))
        for (const AddressBookEntry& e : book)
            if (e.Used()) units.push_back({e.name, e.address, 0, "", ""});
    if (auto it = args.repeated.find("unit"); it != args.repeated.end()) {
        for (const std::string& name : it->second) {
            const int slot = FindAddressSlot(book, name, true);
            if (slot < 0) {
                error = "no unit named '" + name + "' in the address book";
                return {};
            }
            units.push_back({name, book[static_cast<size_t>(slot)].address, 0, "", ""});
        }
    }
    // A unit named as it is given, by its address or its serial device.
    using Parse = bool (*)(const std::string&, FleetUnit&, std::string&);
    for (const auto& [option, parse] : {std::pair<const char*, Parse>{"host", ParseUnitAddress},
                                        std::pair<const char*, Parse>{"serial", ParseUnitDevice}}) {
        const auto it = args.repeated.find(option);
        if (it == args.repeated.end()) continue;
        for (const std::string& where : it->second) {
            FleetUnit unit;
            std::string why;
            if (!parse(where, unit, why)) {
                error = std::string("--").append(option).append(": ").append(why);
                return {};
            }
            unit.name = where;
            units.push_back(std::move(unit));
        }
    }
    std::set<std::string> names;
    for (const FleetUnit& u : units)
        if (!names.insert(u.name).second) {
            error = "the unit '" + u.name + "' is named twice";
            return {};
        }
    if (units.size() > kMaxFleetUnits) {
        error = "more than " + std::to_string(kMaxFleetUnits) + " units";
        return {};
    }
    if (units.empty())
        error = args.Has("all") ? "the address book names no unit" : "give --all, --unit, --host, --serial or --units";
    return units;
}

bool ReadNumber(const Args& args, const char* name, int low, int high, int& value, std::string& error)
{
    const std::string* text = args.Value(name);
    if (!text) return true;
    int64_t v = 0;
    if (!CheckSignedRange(*text, low, high, &v)) {
        error =
            std::string("--") + name + " takes a number from " + std::to_string(low) + " to " + std::to_string(high);
        return false;
    }
    value = static_cast<int>(v);
    return true;
}

// The directory of a backup, made when it is missing.
bool PrepareDirectory(const std::string& dir, Console& console)
{
    struct stat st {};
    if (::stat(dir.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return true;
        Print(console.err, "volmar-cli: %s is not a directory\n", dir.c_str());
        return false;
    }
    if (::mkdir(dir.c_str(), 0777) == 0) return true;
    Print(console.err, "volmar-cli: cannot make %s: %s\n", dir.c_str(), std::strerror(errno));
    return false;
}

// Runs the operation on the units with Ctrl+C as Cancel, printing each
// unit's line (or JSON object) as it ends, and the live table on a terminal.
std::vector<FleetResult> RunFleet(const FleetSettings& settings, const std::vector<FleetUnit>& units,
                                  const FleetOperation& operation, const std::string& name, const Args& args,
                                  Console& console)
{
    FleetRunner runner(settings, units);
    const bool json = args.Has("json");
    {
        // Ctrl+C starts no unit more and ends the running ones; what has
        // been written stays, whole.
        InterruptWatch interrupt([&runner] { runner.Cancel(); });
        LiveTable live(runner, name, console, console.errIsTerminal && !json && !args.Has("quiet"));
        runner.Run(operation, [&](size_t index, const FleetResult& result) {
            live.Print(index, result, json ? JsonLine(units[index], result) : TextLine(units[index], result));
        });
    }
    return runner.Results();
}

// upload --show-changes: each unit's differences first, then one "Upload
// these changes?" for the run. Returns the indexes of the units to upload
// (those that differ); results receives the review's failures and the units
// that already hold the file's setting. Empty with declined set when the
// question was not confirmed.
std::vector<size_t> ReviewUpload(const FleetSettings& settings, const std::vector<FleetUnit>& units,
                                 std::shared_ptr<SettingRecord> file, const Args& args, Console& console,
                                 CliInteraction& ui, std::vector<FleetResult>& results, bool& declined)
{
    auto differences = std::make_shared<std::vector<std::vector<SettingDifference>>>(units.size());
    results = RunFleet(settings, units, FleetDiffOperation(file, differences), "upload review", args, console);
    std::vector<size_t> targets;
    for (size_t i = 0; i < units.size(); ++i) {
        if (results[i].state != FleetState::Succeeded || (*differences)[i].empty()) continue;
        targets.push_back(i);
        Print(console.out, "%s (on the unit -> file):\n", units[i].name.c_str());
        PrintDifferences(console.out, (*differences)[i], true);
    }
    console.out.flush();
    declined = false;
    for (const FleetResult& r : results)
        if (r.state == FleetState::Cancelled) return {};  // Ctrl+C: nothing more
    if (targets.empty()) {
        console.err << "No unit reached holds a setting other than the file: nothing uploaded.\n";
        return targets;
    }
    if (!ui.Confirm({MessageIcon::Question, "Upload these changes?"})) {
        declined = true;
        return {};
    }
    return targets;
}

int CmdFleet(const Args& args, Console& console)
{
    if (args.positional.empty()) return Usage(console, "");
    const std::string& operation = args.positional[0];
    const bool withFile = operation == "backup" || operation == "diff" || operation == "upload";
    if (operation != "status" && operation != "time" && !withFile)
        return Usage(console, "unknown operation '" + operation + "'");
    if (args.positional.size() != (withFile ? 2u : 1u)) return Usage(console, "");
    if ((operation == "time") != args.Has("sync")) return Usage(console, "--sync goes with time, and time needs it");
    if ((args.Has("verify") || args.Has("show-changes")) && operation != "upload")
        return Usage(console, "--verify and --show-changes go with upload");
    if ((args.Has("details") || args.Has("labels")) && operation != "diff")
        return Usage(console, "--details and --labels go with diff");
    if ((args.Has("details") || args.Has("show-changes")) && args.Has("json"))
        return Usage(console, "--details and --show-changes print text: not with --json");

    // The settings file of diff and upload, read before any unit is reached.
    std::shared_ptr<SettingRecord> file;
    if (operation == "diff" || operation == "upload") {
        file = std::make_shared<SettingRecord>();
        if (const int loaded = LoadSettingsFile(args, console, args.positional[1], *file); loaded != kExitOk)
            return loaded;
    }

    std::unique_ptr<Profile> profile = OpenProfile();
    // The port of the preferences ("NETPORT") unless --port gives one.
    LinkState link;
    ReadLinkPreferences(*profile, link);
    link.kind = LinkKind::Network;
    link.selectedUnit.clear();
    if (!ReadPortAndProtocol(args, console, link)) return kExitUsage;
    std::string error;
    FleetSettings settings;
    int deadlineSeconds = 60;
    if (!ReadNumber(args, "jobs", 1, kMaxJobs, settings.jobs, error) ||
        !ReadNumber(args, "deadline", 1, kMaxDeadlineSeconds, deadlineSeconds, error))
        return Usage(console, error);
    const std::vector<FleetUnit> units = SelectUnits(args, *profile, error);
    if (units.empty()) return Usage(console, error);
    settings.deadline = std::chrono::seconds(deadlineSeconds);
    settings.tcpPort = link.tcpPort;
    settings.protocol = link.protocol;

    // The questions once for the whole run: the access mode, then the login
    // when the options and the environment do not give it.
    CliAnswers answers = ReadAnswers(args);
    CliInteraction ui(answers, console);
    link.address = std::to_string(units.size()) + " units (" + units.front().name + (units.size() > 1 ? ", ...)" : ")");
    const bool review = operation == "upload" && args.Has("show-changes");
    if (operation == "upload" && !review && !ui.Confirm({MessageIcon::Information, kMsgConfirmUpload}))
        return kExitFailed;
    if (!ConfirmAccessModeIfOn(link, ui, *profile)) return kExitFailed;
    settings.credentials.login = answers.login;
    settings.credentials.password = answers.password;
    if ((!answers.login || !answers.password) && console.inTerminal >= 0) {
        std::string id, password;
        if (!ui.AskLogin(id, password)) return kExitFailed;
        settings.credentials.login = id;
        settings.credentials.password = password;
    }

    const std::string dir = operation == "backup" ? args.positional[1] : "";
    if (!dir.empty() && !PrepareDirectory(dir, console)) return kExitFailed;
    auto differences = std::make_shared<std::vector<std::vector<SettingDifference>>>(units.size());
    FleetOperation run;
    if (operation == "backup") {
        run = FleetBackupOperation(dir, std::time(nullptr));
    } else if (operation == "time") {
        run = FleetTimeSyncOperation();
    } else if (operation == "diff") {
        run = FleetDiffOperation(file, differences);
    } else if (operation == "upload") {
        run = FleetUploadOperation(file, args.Has("verify"));
    } else {
        run = FleetStatusOperation();
    }
    const auto start = std::chrono::steady_clock::now();
    std::vector<FleetResult> results;
    if (review) {
        bool declined = false;
        const std::vector<size_t> targets = ReviewUpload(settings, units, file, args, console, ui, results, declined);
        if (declined) return kExitFailed;
        std::vector<FleetUnit> toUpload;
        for (size_t i : targets) toUpload.push_back(units[i]);
        const std::vector<FleetResult> uploaded = RunFleet(settings, toUpload, run, operation, args, console);
        for (size_t k = 0; k < targets.size(); ++k) results[targets[k]] = uploaded[k];
    } else {
        results = RunFleet(settings, units, run, operation, args, console);
    }

    // diff --details: each differing unit's values, in the run's order.
    size_t differing = 0;
    for (size_t i = 0; i < units.size(); ++i) {
        if ((*differences)[i].empty()) continue;
        ++differing;
        if (!args.Has("details")) continue;
        Print(console.out, "%s (on the unit -> file):\n", units[i].name.c_str());
        PrintDifferences(console.out, (*differences)[i], args.Has("labels"));
    }

    size_t succeeded = 0, cancelled = 0;
    for (const FleetResult& r : results) {
        succeeded += r.state == FleetState::Succeeded;
        cancelled += r.state == FleetState::Cancelled;
    }
    bool indexed = true;
    if (!dir.empty() && !WriteBackupIndex(dir, units, results, &error)) {
        Print(console.err, "volmar-cli: cannot write %s\n", error.c_str());
        indexed = false;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    Print(console.err, "fleet %s: %zu unit(s), %zu succeeded, %zu failed", operation.c_str(), units.size(), succeeded,
          units.size() - succeeded - cancelled);
    if (cancelled > 0) Print(console.err, ", %zu cancelled", cancelled);
    Print(console.err, " (%.1f s)\n", seconds);
    if (operation == "diff") Print(console.err, "%zu unit(s) hold a setting other than the file\n", differing);
    return succeeded == units.size() && indexed && differing == 0 ? kExitOk : 1;
}

}  // namespace

const std::vector<Command>& FleetCommands()
{
    static const std::string help =
        std::string(kUsage) +
        "\nRuns one operation on many units at once, each with its own connection,\n"
        "deadline and result; one unit failing never stops or stalls the others.\n"
        "  status        check each unit: device code, firmware, flags, or the error\n"
        "  backup DIR    each unit's setting as DIR/NAME-YYYYmmdd-HHMMSS.xml, as the\n"
        "                unit holds it, and DIR/index.csv (name, address, file,\n"
        "                SHA-256, result); DIR is made when missing\n"
        "  time --sync   set each unit's clock to the PC's local time\n"
        "  diff FILE     which units hold a setting other than the settings file, with\n"
        "                the number of differing values; --details prints them per\n"
        "                unit (--labels with the editors' labels); exit 1 when any\n"
        "                unit differs\n"
        "  upload FILE   the settings file to every unit, after one \"Are you sure to\n"
        "                upload?\" for the run (--yes answers it); --verify reads each\n"
        "                unit's setting back, and a unit holding something else fails;\n"
        "                --show-changes reads every unit first, prints what the upload\n"
        "                changes on each, then asks \"Upload these changes?\" once and\n"
        "                uploads to the units that differ\n"
        "Units (any mix; names must not repeat):\n"
        "  --units FILE  a CSV file with the columns name,address[,login]; the address\n"
        "                may carry :PORT. The password is never in it\n"
        "  --all         every unit of the address book\n"
        "  --unit NAME   a unit of the address book (repeatable)\n"
        "  --host ADDRESS[:PORT]  a unit by its address (repeatable)\n"
        "  --jobs N      units reached at the same time (default 8, at most 64)\n"
        "  --deadline S  seconds one unit may take (default 60)\n"
        "  --json        one JSON object per unit as it ends, instead of a line\n"
        "The link options --port, --protocol and --login apply to every unit; the\n"
        "password comes from --password, VOLMAR_PASSWORD or one prompt for all.\n"
        "The access mode is confirmed once for the run (--yes confirms it); Ctrl+C\n"
        "starts no unit more and ends the running ones. A summary goes to stderr.\n"
        "Exit 0 when every unit succeeded, 1 when any failed (diff: or differs).\n" VOLMAR_NO_INFO_MESSAGE_HELP +
        kLinkOptionsHelp;
    static const std::vector<Command> commands = {
        {"fleet",
         "status, backup, time, diff or upload of many units at once",
         help.c_str(),
         CmdFleet,
         LinkUse::Always,
         {{"units", true},
          {"all"},
          {"jobs", true},
          {"deadline", true},
          {"json"},
          {"sync"},
          {"verify"},
          {"show-changes"},
          {"details"},
          kLabelsOption,
          kNoInfoMessageOption}},
    };
    return commands;
}

}  // namespace volmar::cli
