// volmar-cli channels: the channel lists of a settings file as CSV tables,
// and a table applied back onto the file.
#include <memory>
#include <optional>
#include <string>

#include "cli/Command.h"
#include "cli/SettingFile.h"
#include "core/common/FileIo.h"
#include "core/settings/DocumentWriter.h"
#include "core/sheets/ChannelTable.h"
#include "core/sheets/Csv.h"

namespace volmar::cli {
namespace {

constexpr const char* kUsage =
    "usage: volmar-cli channels export FILE --kind ai|di|pi|do|oi [-o OUT.csv] [--bom]\n"
    "       volmar-cli channels import FILE IN.csv [--kind ai|di|pi|do|oi] [-o OUT]\n";

const Option kKindOption{"kind", true};
const Option kBomOption{"bom"};

int Usage(Console& console)
{
    console.err << kUsage;
    return kExitUsage;
}

// --kind's value; false (usage on stderr) when it names no kind.
bool KindOption(const Args& args, Console& console, std::optional<sheets::ChannelSheet>& kind)
{
    const std::string* v = args.Value("kind");
    if (!v) return true;
    kind = sheets::ParseChannelSheet(*v);
    if (!kind) Print(console.err, "volmar-cli: channels: --kind is ai, di, pi, do or oi, not '%s'\n", v->c_str());
    return kind.has_value();
}

int Export(const Args& args, Console& console)
{
    std::optional<sheets::ChannelSheet> kind;
    if (args.positional.size() != 2 || !args.Value("kind")) return Usage(console);
    if (!KindOption(args, console, kind)) return kExitUsage;
    auto record = std::make_unique<SettingRecord>();
    if (const int code = LoadSettingFile(args.positional[1], console, *record, !args.Has("no-info-message")); code != kExitOk)
        return code;
    const std::string table = sheets::ExportChannelTable(*record, *kind, args.Has("bom"));
    return WriteOutput(args, console, table) ? kExitOk : kExitFailed;
}

int Import(const Args& args, Console& console)
{
    std::optional<sheets::ChannelSheet> kind;
    if (args.positional.size() != 3 || args.Has("bom")) return Usage(console);
    if (!KindOption(args, console, kind)) return kExitUsage;
    auto record = std::make_unique<SettingRecord>();
    if (const int code = LoadSettingFile(args.positional[1], console, *record, !args.Has("no-info-message")); code != kExitOk)
        return code;
    const std::string& sheetPath = args.positional[2];
    std::string csv, error;
    if (!ReadWholeFile(sheetPath, sheets::kMaxCsvBytes, csv, &error)) {
        Print(console.err, "volmar-cli: cannot read %s\n", error.c_str());
        return kExitFailed;
    }
    const std::vector<sheets::SheetRefusal> refusals = sheets::ImportChannelTable(*record, csv, kind);
    for (const sheets::SheetRefusal& r : refusals) Print(console.err, "%s\n", OneLine(r.Text(sheetPath)).c_str());
    if (!refusals.empty()) return kExitUnsupportedInfo;
    return WriteOutput(args, console, WriteSettingDocument(*record)) ? kExitOk : kExitFailed;
}

int CmdChannels(const Args& args, Console& console)
{
    if (args.positional.empty()) return Usage(console);
    if (args.positional[0] == "export") return Export(args, console);
    if (args.positional[0] == "import") return Import(args, console);
    return Usage(console);
}

}  // namespace

const std::vector<Command>& ChannelCommands()
{
    static const std::string help = std::string(kUsage) +
        "\nexport writes one channel list of the settings file FILE as a CSV table to\n"
        "OUT.csv or stdout: one row per channel, the column \"CH\" (1, 2, ...) first,\n"
        "the others headed by the channel editor's captions, values as the editor shows\n"
        "them. Commas, CR LF, UTF-8; --bom puts a byte-order mark in front. A text that\n"
        "begins with = + - @ a tab, a carriage return or an apostrophe gets one\n"
        "apostrophe in front, so that a spreadsheet program shows it as text.\n"
        "\nimport applies the table IN.csv (comma or semicolon, with or without a\n"
        "byte-order mark) to FILE, all or nothing: a column the table leaves out keeps\n"
        "the stored values; one leading apostrophe before = + - @ a tab, a carriage\n"
        "return or an apostrophe is removed. Each refused cell is listed on stderr as\n"
        "IN.csv:LINE: CH n, 'caption': message and nothing is written (exit 1);\n"
        "otherwise the whole document goes to OUT (atomically) or stdout. --kind is\n"
        "needed only when the columns fit more than one kind of channel.\n"
        "  --kind KIND        ai, di, pi, do or oi\n"
        "  --bom              export: a UTF-8 byte-order mark in front\n" VOLMAR_NO_INFO_MESSAGE_HELP;
    static const std::vector<Command> commands = {
        {"channels", "export a channel list as CSV, or import one into a file", help.c_str(), CmdChannels,
         LinkUse::None, {kOutputOption, kKindOption, kBomOption, kNoInfoMessageOption}},
    };
    return commands;
}

}  // namespace volmar::cli
