// The maintenance commands of volmar-cli: the unit's clock, MAC address,
// version, system log and free disk space, memory-block initialization and
// the delivery tests, over the link the device commands take.
#include <ctime>
#include <functional>
#include <memory>
#include <string>

#include "cli/Command.h"
#include "cli/DeviceSession.h"
#include "core/link/transfer/Login.h"
#include "core/maintenance/MaintenanceFunctions.h"
#include "core/maintenance/MaintenanceTexts.h"
#include "core/maintenance/PresetCount.h"
#include "core/maintenance/TestMail.h"
#include "core/maintenance/UserView.h"
#include "core/link/transfer/SettingDownload.h"

namespace volmar::cli {
namespace {

using Body = std::function<int(Session&, LinkContext&)>;

// Checks the positional count, builds the session, runs the access-mode
// confirmation when it is on, then the command's body.
int WithUnit(const Args& args, Console& console, size_t positional, const char* usage, const Body& body)
{
    if (args.positional.size() != positional) {
        Print(console.err, "usage: volmar-cli %s\n", usage);
        return kExitUsage;
    }
    Session s;
    if (!BuildSession(args, console, s)) return kExitUsage;
    if (!ConfirmAccessModeIfOn(s.link, *s.ui, *s.profile)) return kExitFailed;
    LinkContext ctx{s.link, *s.ui, *s.profile, {}};
    return body(s, ctx);
}

int PrintLine(Console& console, const std::optional<std::string>& text)
{
    if (!text) return kExitFailed;
    Print(console.out, "%s\n", text->c_str());
    return console.out.flush() ? kExitOk : kExitFailed;
}

int Done(bool ok) { return ok ? kExitOk : kExitFailed; }

bool Ask(Session& s, const char* question) { return s.ui->Confirm({MessageIcon::Question, question}); }

// "now" (the PC's local time) or YYYY-MM-DDTHH:MM:SS as the dialog's six
// fields; a text of another shape gives fields the check refuses.
DateTimeFields TimeFields(const std::string& text)
{
    if (text == "now") {
        const std::time_t t = std::time(nullptr);
        std::tm local{};
        localtime_r(&t, &local);
        return DateTimeFieldsOf(local);
    }
    static constexpr char kSeparators[5] = {'-', '-', 'T', ':', ':'};
    DateTimeFields fields;
    size_t field = 0;
    for (char c : text) {
        if (field < 5 && c == kSeparators[field]) {
            ++field;
        } else if (c >= '0' && c <= '9') {
            fields[field] += c;
        } else {
            return {};
        }
    }
    return field == 5 ? fields : DateTimeFields{};
}

int CmdTime(const Args& args, Console& console)
{
    const std::string* value = args.Value("set");
    if (!value) {
        console.err << "usage: volmar-cli time --set now|YYYY-MM-DDTHH:MM:SS [LINK OPTIONS]\n";
        return kExitUsage;
    }
    const auto payload = BuildTimePayload(TimeFields(*value));
    if (!payload) {
        Print(console.err, "%s\n", kMsgIllegalDateTime);
        return kExitFailed;
    }
    return WithUnit(args, console, 0, "time --set VALUE [LINK OPTIONS]",
                    [&](Session&, LinkContext& ctx) { return Done(SetUnitTime(ctx, *payload)); });
}

int CmdMac(const Args& args, Console& console)
{
    return WithUnit(args, console, 0, "mac [LINK OPTIONS]", [&](Session& s, LinkContext& ctx) {
        auto mac = ReadUnitMac(ctx);
        if (!mac) s.ui->Show({MessageIcon::Error, kMsgMacFailed});
        return PrintLine(console, mac);
    });
}

int CmdVersion(const Args& args, Console& console)
{
    return WithUnit(args, console, 0, "version [LINK OPTIONS]", [&](Session& s, LinkContext& ctx) {
        auto version = ReadUnitVersion(ctx);
        if (!version) s.ui->Show({MessageIcon::Error, kMsgVersionFailed});
        return PrintLine(console, version);
    });
}

int CmdLog(const Args& args, Console& console)
{
    return WithUnit(args, console, 0, "log [--reset] [LINK OPTIONS]", [&](Session& s, LinkContext& ctx) {
        if (args.Has("reset")) {
            if (!Ask(s, kAskResetLog)) return kExitFailed;
            if (!ResetSystemLog(ctx)) return kExitFailed;
        }
        auto text = ReadSystemLog(ctx);
        if (!text) return kExitFailed;
        if (!console.out.write(text->data(), static_cast<std::streamsize>(text->size()))) return kExitFailed;
        return console.out.flush() ? kExitOk : kExitFailed;
    });
}

int CmdDisk(const Args& args, Console& console)
{
    return WithUnit(args, console, 0, "disk [LINK OPTIONS]", [&](Session&, LinkContext& ctx) {
        const auto text = ReadDiskFree(ctx);
        // The transfer worked but the reply is short, or no finite count of at least zero.
        if (text && text->empty()) {
            console.err << "volmar-cli: the unit's reply holds no free capacity (not a byte count)\n";
            return kExitFailed;
        }
        return PrintLine(console, text);
    });
}

int CmdInit(const Args& args, Console& console)
{
    return WithUnit(args, console, 0, "init [--yes] [LINK OPTIONS]", [](Session& s, LinkContext& ctx) {
        if (!Ask(s, kAskInitialize)) return kExitFailed;
        return Done(InitializeMemoryBlock(ctx));
    });
}

int CmdFtpTest(const Args& args, Console& console)
{
    return WithUnit(args, console, 0, "ftp-test [--yes] [LINK OPTIONS]", [](Session& s, LinkContext& ctx) {
        if (!Ask(s, kAskProceed)) return kExitFailed;
        return Done(RunFtpClientTest(ctx));
    });
}

// A number from 1 to max, or 0.
int Number(const std::string& text, int max)
{
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos) return 0;
    const int n = std::stoi(text);
    return n >= 1 && n <= max ? n : 0;
}

// The unit's own setting, read over the link before the function runs.
std::unique_ptr<SettingRecord> UnitSetting(LinkContext& ctx)
{
    auto record = std::make_unique<SettingRecord>();
    if (!DownloadSetting(ctx.link, ctx.ui, ctx.profile, *record, ctx.options)) return nullptr;
    return record;
}

// The arguments are checked before any question or link: the channel, and
// whether VALUE is a number at all (the unit's setting decides the rest).
int CmdPreset(const Args& args, Console& console)
{
    const int channel = args.positional.size() == 2 ? Number(args.positional[0], kPiCount) : -1;
    if (channel == 0) {
        console.err << "volmar-cli preset: CHANNEL is a PI channel from 1 to 32\n";
        return kExitUsage;
    }
    if (channel > 0 && !IsPresetNumber(args.positional[1])) {
        Print(console.err, "%s\n", kMsgPresetError);
        return kExitFailed;
    }
    return WithUnit(args, console, 2, "preset CHANNEL VALUE [--yes] [LINK OPTIONS]", [&](Session& s, LinkContext& ctx) {
        const auto record = UnitSetting(ctx);
        if (!record) return kExitFailed;
        const PiChannel& ch = record->IO.PI[channel - 1];
        const auto preset = CheckPreset(ch, channel - 1, args.positional[1]);
        if (!preset) {
            s.ui->Show({MessageIcon::Error, kMsgPresetError});
            return kExitFailed;
        }
        if (PresetForbidden(ch)) {
            s.ui->Show({MessageIcon::Information, kMsgNoPreset});
            return kExitFailed;
        }
        if (!Ask(s, kAskUpload)) return kExitFailed;
        return Done(SendPresetCommand(ctx, *preset));
    });
}

int CmdTestMail(const Args& args, Console& console)
{
    const std::string which = args.positional.size() == 1 ? args.positional[0] : "regular";
    const int event = Number(which, kEventReportCount);
    if (which != "regular" && event == 0) {
        console.err << "volmar-cli test-mail: give an event from 1 to 32, or regular\n";
        return kExitUsage;
    }
    const uint8_t report = event == 0 ? kRegularReportByte : static_cast<uint8_t>(event - 1);
    return WithUnit(args, console, 1, "test-mail EVENT|regular [--yes] [LINK OPTIONS]", [&](Session& s, LinkContext& ctx) {
        const auto record = UnitSetting(ctx);
        if (!record) return kExitFailed;
        if (const char* refusal = TestMailRefusal(*record, report)) {
            s.ui->Show({MessageIcon::Information, refusal});
            return kExitFailed;
        }
        if (!Ask(s, kAskProceed)) return kExitFailed;
        return Done(SendTestMail(ctx, report));
    });
}

int CmdUserView(const Args& args, Console& console)
{
    const bool upload = !args.positional.empty() && args.positional[0] == "upload";
    const char* usage = "user-view upload DIR | user-view reset [--yes] [LINK OPTIONS]";
    if (!upload && !(args.positional.size() == 1 && args.positional[0] == "reset")) {
        Print(console.err, "usage: volmar-cli %s\n", usage);
        return kExitUsage;
    }
    return WithUnit(args, console, upload ? 2 : 1, usage, [&](Session& s, LinkContext& ctx) {
        if (!upload) return Ask(s, kAskResetUserView) ? Done(ResetUserView(ctx)) : kExitFailed;
        const std::string& folder = args.positional[1];
        if (folder.empty()) {
            s.ui->Show({MessageIcon::Error, kMsgSpecifyFolder});
            return kExitFailed;
        }
        if (!Ask(s, kAskConvertUserView)) return kExitFailed;
        UserViewContainers containers;
        Message error;
        if (!PackUserView(folder, containers, &error)) {
            s.ui->Show(error);
            return kExitFailed;
        }
        return Done(UploadUserView(ctx, containers));
    });
}

std::string Help(const char* head) { return std::string(head) + kLinkOptionsHelp; }

}  // namespace

const std::vector<Command>& MaintenanceCommands()
{
    static const std::string timeHelp = Help(
        "usage: volmar-cli time --set now|YYYY-MM-DDTHH:MM:SS [LINK OPTIONS]\n\n"
        "Sets the unit's clock to the PC's local time (now) or to the given time\n"
        "(2010 to 2059). The clock can only be set, not read.\n");
    static const std::string macHelp = Help("usage: volmar-cli mac [LINK OPTIONS]\n\nPrints the unit's MAC address.\n");
    static const std::string versionHelp =
        Help("usage: volmar-cli version [LINK OPTIONS]\n\nPrints the unit's firmware version.\n");
    static const std::string logHelp = Help(
        "usage: volmar-cli log [--reset] [LINK OPTIONS]\n\n"
        "Prints the unit's system log; --reset empties it first (after a question).\n");
    static const std::string diskHelp =
        Help("usage: volmar-cli disk [LINK OPTIONS]\n\nPrints the free capacity of the unit's SD card.\n");
    static const std::string initHelp = Help(
        "usage: volmar-cli init [--yes] [LINK OPTIONS]\n\n"
        "Clears the unit's recorded-data memory block (refused while it is logging).\n");
    static const std::string ftpHelp = Help(
        "usage: volmar-cli ftp-test [--yes] [LINK OPTIONS]\n\n"
        "Makes the unit run one FTP-client upload (it needs its SD card).\n");
    static const std::string presetHelp = Help(
        "usage: volmar-cli preset CHANNEL VALUE [--yes] [LINK OPTIONS]\n\n"
        "Loads VALUE into the totalizer of PI channel CHANNEL (1 to 32). CHANNEL and\n"
        "VALUE (a number) are checked first; then the unit's setting is read and VALUE\n"
        "checked against the channel's scaling and notation. VALUE may be negative:\n"
        "preset 3 -5 (or preset 3 -- -5).\n");
    static const std::string mailHelp = Help(
        "usage: volmar-cli test-mail EVENT|regular [--yes] [LINK OPTIONS]\n\n"
        "Makes the unit send event report EVENT (1 to 32) or the regular report as\n"
        "a test, as the report settings on the unit say.\n");
    static const std::string userViewHelp = Help(
        "usage: volmar-cli user-view upload DIR [--yes] [LINK OPTIONS]\n"
        "       volmar-cli user-view reset [--yes] [LINK OPTIONS]\n\n"
        "upload packs the files of the flat folder DIR (at most 1024 files of up to\n"
        "1 MiB, names of up to 24 bytes) as the unit's user-defined browser view and\n"
        "sends it; reset removes the user view from the unit.\n");
    static const std::vector<Command> commands = {
        {"time", "set a unit's clock", timeHelp.c_str(), CmdTime, LinkUse::Always, {{"set", true}}},
        {"mac", "print a unit's MAC address", macHelp.c_str(), CmdMac, LinkUse::Always},
        {"version", "print a unit's firmware version", versionHelp.c_str(), CmdVersion, LinkUse::Always},
        {"log", "print (or reset) a unit's system log", logHelp.c_str(), CmdLog, LinkUse::Always, {{"reset"}}},
        {"disk", "print a unit's free disk capacity", diskHelp.c_str(), CmdDisk, LinkUse::Always},
        {"init", "clear a unit's memory block", initHelp.c_str(), CmdInit, LinkUse::Always},
        {"ftp-test", "make a unit test its FTP client", ftpHelp.c_str(), CmdFtpTest, LinkUse::Always},
        {"preset", "preset a unit's pulse count", presetHelp.c_str(), CmdPreset, LinkUse::Always},
        {"test-mail", "make a unit send a test mail", mailHelp.c_str(), CmdTestMail, LinkUse::Always},
        {"user-view", "upload or reset a unit's user-defined browser view", userViewHelp.c_str(), CmdUserView,
         LinkUse::Always},
    };
    return commands;
}

}  // namespace volmar::cli
