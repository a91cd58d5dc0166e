// The file commands of volmar-cli: new, check, convert, network, access,
// diff, compress and decompress.
#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Command.h"
#include "cli/SettingFile.h"
#include "cli/DiffOutput.h"
#include "core/common/FileIo.h"
#include "core/rules/SettingRules.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/ElementLabels.h"
#include "core/settings/Gzlib.h"

namespace volmar::cli {
namespace {

constexpr Option kRulesOption{"rules"};

void PrintMessage(Console& console, const Message& m)
{
    Print(console.err, "%s\n", m.text.c_str());
}

bool NeedArgs(const Args& args, Console& console, size_t count, const char* usage)
{
    if (args.positional.size() == count) return true;
    Print(console.err, "usage: volmar-cli %s\n", usage);
    return false;
}

// A record read from a settings file, with the load verdict.
struct Loaded {
    std::unique_ptr<SettingRecord> record = std::make_unique<SettingRecord>();
    ConvertResult verdict;
    bool readable = false;
};

Loaded Load(Console& console, const std::string& path, bool showInfo)
{
    Loaded l;
    l.readable = ReadSettingFile(path, console, *l.record, showInfo, l.verdict);
    return l;
}

// check's exit code for a load.
int ExitFor(const Loaded& l)
{
    if (!l.readable || (l.verdict.flags & kReadFailed)) return kExitFailed;
    if (l.verdict.flags & kReadUnsupportedParam) return kExitUnsupportedParam;
    if (l.verdict.flags & kReadUnsupportedInfo) return kExitUnsupportedInfo;
    return kExitOk;
}

// Loads IN and reports the verdict; returns the exit code check would give.
int LoadAndReport(const Args& args, Console& console, const std::string& path, Loaded& l)
{
    l = Load(console, path, !args.Has("no-info-message"));
    if (l.readable && l.verdict.hasMessage) PrintMessage(console, l.verdict.message);
    return ExitFor(l);
}

int CmdNew(const Args& args, Console& console)
{
    if (!NeedArgs(args, console, 0, "new [-o FILE]")) return kExitUsage;
    auto r = std::make_unique<SettingRecord>();
    ResetSettingRecord(*r);
    return WriteOutput(args, console, WriteSettingDocument(*r)) ? kExitOk : kExitFailed;
}

int CmdCheck(const Args& args, Console& console)
{
    if (!NeedArgs(args, console, 1, "check FILE")) return kExitUsage;
    Loaded l;
    int code = LoadAndReport(args, console, args.positional[0], l);
    if (code == kExitUnsupportedInfo || code == kExitUnsupportedParam)
        Print(console.out, "%s\n", l.verdict.path.c_str());
    if (args.Has("rules") && code != kExitFailed) {
        const std::vector<RuleVerdict> verdicts = CheckSettingRules(*l.record);
        for (const RuleVerdict& v : verdicts)
            PrintVerdictLine(console.out, v.path, v.label, v.message);
        if (!verdicts.empty()) code = std::max(code, kExitUnsupportedInfo);
    }
    if (code == kExitOk) console.err << "Setting is valid.\n";
    return code;
}

// Loads IN and, when it is usable, writes what make() forms of the record.
int WriteFromFile(const Args& args, Console& console, const char* usage,
                  std::string (*make)(const SettingRecord&))
{
    if (!NeedArgs(args, console, 1, usage)) return kExitUsage;
    Loaded l;
    int code = LoadAndReport(args, console, args.positional[0], l);
    if (code != kExitOk && code != kExitUnsupportedInfo) return code;
    return WriteOutput(args, console, make(*l.record)) ? code : kExitFailed;
}

int CmdConvert(const Args& args, Console& console)
{
    return WriteFromFile(args, console, "convert IN [-o OUT]", [](const SettingRecord& r) { return WriteSettingDocument(r); });
}

int CmdNetwork(const Args& args, Console& console)
{
    return WriteFromFile(args, console, "network IN [-o OUT]", [](const SettingRecord& r) {
        std::string out;
        WriteNetworkDocument(out, r);
        return out;
    });
}

int CmdAccess(const Args& args, Console& console)
{
    return WriteFromFile(args, console, "access IN [-o OUT]", [](const SettingRecord& r) {
        std::string out;
        WriteAccessDocument(r, out);
        return out;
    });
}

// Exit 3 when either file cannot be read or converted; otherwise the
// differences of what was read, then exit 2 when either file had elements or
// values this version does not take (the verdict goes to stderr), 1 when
// they differ and 0 only when both were read cleanly and are equal.
int CmdDiff(const Args& args, Console& console)
{
    if (args.Has("from-unit")) return DiffWithUnit(args, console);
    if (!NeedArgs(args, console, 2, "diff A B")) return kExitUsage;
    Loaded files[2];
    bool failed = false, unclean = false;
    for (int k = 0; k < 2; ++k) {
        const std::string& path = args.positional[k];
        files[k] = Load(console, path, !args.Has("no-info-message"));
        const int code = ExitFor(files[k]);
        if (files[k].readable && files[k].verdict.hasMessage) {
            Print(console.err, "%s: %s\n", path.c_str(), files[k].verdict.message.text.c_str());
        }
        failed = failed || code == kExitFailed;
        unclean = unclean || code != kExitOk;
    }
    if (failed) return kExitFailed;
    const std::vector<SettingDifference> differences = CompareSettings(*files[0].record, *files[1].record);
    PrintDifferences(console.out, differences, args.Has("labels"));
    if (unclean) return kExitUnsupportedParam;
    return differences.empty() ? kExitOk : 1;
}

int CmdCompress(const Args& args, Console& console)
{
    if (!NeedArgs(args, console, 1, "compress IN -o OUT")) return kExitUsage;
    std::string bytes, error;
    if (!ReadWholeFile(args.positional[0], kMaxSettingFile, bytes, &error)) {
        Print(console.err, "volmar-cli: cannot read %s\n", error.c_str());
        return kExitFailed;
    }
    CGzlib zip;
    Message m;
    if (!PackSettingDocument(bytes, zip, &m)) {
        PrintMessage(console, m);
        return kExitFailed;
    }
    std::string out(reinterpret_cast<const char*>(zip.Compressed()), zip.CompressedLength());
    return WriteOutput(args, console, out) ? kExitOk : kExitFailed;
}

int CmdDecompress(const Args& args, Console& console)
{
    if (!NeedArgs(args, console, 1, "decompress IN -o OUT")) return kExitUsage;
    std::string bytes, error;
    if (!ReadWholeFile(args.positional[0], kGzlibBufferSize, bytes, &error)) {
        Print(console.err, "volmar-cli: cannot read %s\n", error.c_str());
        return kExitFailed;
    }
    CGzlib zip;
    Message m;
    if (!UnpackSettingPayload(bytes.data(), bytes.size(), zip, &m)) {
        PrintMessage(console, m);
        return kExitFailed;
    }
    std::string out(reinterpret_cast<const char*>(zip.Decompressed()), zip.DecompressedLength());
    return WriteOutput(args, console, out) ? kExitOk : kExitFailed;
}

const char* const kCheckHelp =
    "usage: volmar-cli check [--no-info-message] [--rules] FILE\n\n"
    "Reads a settings file into a new setting and prints the verdict on stderr.\n"
    "Exit 0: everything accepted; 1: unsupported information was found (the\n"
    "setting is usable); 2: an unsupported parameter; 3: the file cannot be read\n"
    "or converted. For 1 and 2 the path of the first offending element is\n"
    "printed on stdout, e.g. <VOL_MAR><IO><AI><AI1><CARD_NO>.\n"
    "  --rules            also check every value as the editors do and print each\n"
    "                     violation on stdout as PATH: label: message (e.g.\n"
    "                     IO/AI/AI3/NAME: CH name: Setting error: CH name); exit 1\n"
    "                     when any, unless the reader's verdict is worse\n" VOLMAR_NO_INFO_MESSAGE_HELP;

}  // namespace

const std::vector<Command>& FileCommands()
{
    static const std::vector<Command> commands = {
        {"new", "write the default settings document",
         "usage: volmar-cli new [-o FILE]\n\nWrites the settings document of a new setting to FILE or stdout.\n",
         CmdNew, LinkUse::None, {kOutputOption}},
        {"check", "read a settings file and print the verdict", kCheckHelp, CmdCheck, LinkUse::None, {kNoInfoMessageOption, kRulesOption}},
        {"convert", "read a settings file and write it anew",
         "usage: volmar-cli convert IN [-o OUT]\n\nReads IN into a new setting and, when it is usable (check exit 0\n"
         "or 1), writes the full settings document of the result. Otherwise writes\n"
         "nothing and exits as check would.\n" VOLMAR_NO_INFO_MESSAGE_HELP,
         CmdConvert, LinkUse::None, {kOutputOption, kNoInfoMessageOption}},
        {"network", "write the network-address document of a settings file",
         "usage: volmar-cli network IN [-o OUT]\n\nWrites the partial document with the unit's network addresses.\n"
         VOLMAR_NO_INFO_MESSAGE_HELP,
         CmdNetwork, LinkUse::None, {kOutputOption, kNoInfoMessageOption}},
        {"access", "write the configurator-access document of a settings file",
         "usage: volmar-cli access IN [-o OUT]\n\nWrites the partial document with the network access block and\n"
         "the eight login accounts.\n" VOLMAR_NO_INFO_MESSAGE_HELP,
         CmdAccess, LinkUse::None, {kOutputOption, kNoInfoMessageOption}},
        {"diff", "list the values two settings files differ in",
         "usage: volmar-cli diff [--labels] A B\n"
         "       volmar-cli diff [--labels] --from-unit [LINK OPTIONS] FILE\n\n"
         "One line per differing value, 'element-path: value-in-A -> value-in-B',\n"
         "in document order; texts as typed, line breaks shown as \\n. Exit 0 when both files\n"
         "were read cleanly and are equal, 1 different, 2 when either holds an unsupported\n"
         "parameter or unsupported information (the verdict and the element path go to\n"
         "stderr; the differences of what was read are still listed), 3 when either cannot\n"
         "be read or converted.\n"
         "  --labels     the labels and values the editors show ('Analog inputs \xC2\xB7 AI1 \xC2\xB7\n"
         "               CH setting: Disable -> I/O module') instead of element paths and\n"
         "               the document's keywords\n"
         "  --from-unit  compare the unit's setting (A) with FILE (B): what an upload of\n"
         "               FILE would change. The link options are those of 'status';\n"
         "               they go with --from-unit only.\n" VOLMAR_NO_INFO_MESSAGE_HELP,
         CmdDiff, LinkUse::WithFromUnit, {kLabelsOption, kFromUnitOption, kNoInfoMessageOption}},
        {"compress", "compress a settings document for upload",
         "usage: volmar-cli compress IN -o OUT\n\nWrites the zlib payload of the document IN (at most 2 MiB).\n",
         CmdCompress, LinkUse::None, {kOutputOption}},
        {"decompress", "decompress a payload received from a unit",
         "usage: volmar-cli decompress IN -o OUT\n\nWrites the document inside the zlib payload IN (at most 4 MiB).\n",
         CmdDecompress, LinkUse::None, {kOutputOption}},
    };
    return commands;
}

}  // namespace volmar::cli
