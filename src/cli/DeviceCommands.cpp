// The device commands of volmar-cli: status, download and upload, over a
// serial device, plain TCP or encrypted TCP.
#include <cstdlib>
#include <memory>
#include <string>

#include "prefs/QSettingsProfile.h"
#include "cli/CliInteraction.h"
#include "cli/Command.h"
#include "cli/DiffOutput.h"
#include "cli/DeviceSession.h"
#include "cli/SettingFile.h"
#include "core/compare/SettingChanges.h"
#include "core/link/connect/LinkDescription.h"
#include "core/link/connect/LinkPreferences.h"
#include "core/link/transfer/LinkContext.h"
#include "core/link/transfer/Login.h"
#include "core/link/transfer/SettingDownload.h"
#include "core/link/transfer/SettingUpload.h"
#include "core/link/transfer/UnitAccess.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/ValueText.h"

namespace volmar::cli {
namespace {

// The COM number the Connect dialog keeps for a device; 0 for none.
int KeptComNumber(Profile& profile, const std::string& device)
{
    for (int n = 1; n <= kListedComPorts; ++n)
        if (KeptComDevice(profile, n) == device) return n;
    return 0;
}

}  // namespace

std::unique_ptr<Profile> OpenProfile()
{
    if (const char* path = std::getenv("VOLMAR_PROFILE"); path && *path) {
        return std::make_unique<QSettingsProfile>(std::string(path));
    }
    return std::make_unique<QSettingsProfile>();
}

bool ReadPortAndProtocol(const Args& args, Console& console, LinkState& link)
{
    if (const std::string* port = args.Value("port")) {
        int64_t v = 0;
        if (!CheckSignedRange(*port, 0, 65535, &v)) {
            console.err << "Out of port address (0 to 65535) range\n";
            return false;
        }
        link.tcpPort = static_cast<int>(v);
    }
    if (const std::string* protocol = args.Value("protocol")) {
        if (*protocol == "plain") {
            link.protocol = kProtocolPlain;
        } else if (*protocol == "cipher") {
            link.protocol = kProtocolCipher;
        } else if (*protocol != "auto") {
            console.err << "volmar-cli: --protocol takes auto, plain or cipher\n";
            return false;
        }
    }
    return true;
}

CliAnswers ReadAnswers(const Args& args)
{
    CliAnswers answers;
    answers.yes = args.Has("yes");
    answers.quiet = args.Has("quiet");
    if (const std::string* login = args.Value("login")) answers.login = *login;
    if (const std::string* pw = args.Value("password")) {
        answers.password = *pw;
    } else if (const char* env = std::getenv("VOLMAR_PASSWORD")) {
        answers.password = env;
    }
    return answers;
}

int LoadSettingsFile(const Args& args, Console& console, const std::string& path, SettingRecord& record)
{
    return LoadSettingFile(path, console, record, !args.Has("no-info-message"), LoadMessage::AsIs);
}

bool BuildSession(const Args& args, Console& console, Session& s)
{
    s.profile = OpenProfile();
    Profile& p = *s.profile;
    ReadLinkPreferences(p, s.link);

    const std::string* serial = args.Value("serial");
    const std::string* host = args.Value("host");
    const std::string* unit = args.Value("unit");
    if ((serial != nullptr) + (host != nullptr) + (unit != nullptr) > 1) {
        console.err << "volmar-cli: give one of --serial, --host and --unit\n";
        return false;
    }
    if (serial) {
        s.link.kind = LinkKind::Usb;
        s.link.comDevice = *serial;
        s.link.comPort = KeptComNumber(p, *serial);
    } else if (host) {
        s.link.kind = LinkKind::Network;
        s.link.address = *host;
    } else if (unit) {
        s.link.kind = LinkKind::Network;
        s.link.selectedUnit = *unit;
    }
    if (!ReadPortAndProtocol(args, console, s.link)) return false;
    s.ui = std::make_unique<CliInteraction>(ReadAnswers(args), console);
    return true;
}

namespace {

std::string FlagNames(uint8_t flags)
{
    std::string names;
    auto add = [&](uint8_t bit, const char* name) {
        if (!(flags & bit)) return;
        if (!names.empty()) names += ", ";
        names += name;
    };
    add(0x01, "SD card inserted");
    add(0x02, "logging");
    add(0x08, "network configuration permitted");
    return names.empty() ? "none" : names;
}

int CmdStatus(const Args& args, Console& console)
{
    if (!args.positional.empty()) {
        console.err << "usage: volmar-cli status [LINK OPTIONS]\n";
        return kExitUsage;
    }
    Session s;
    if (!BuildSession(args, console, s)) return kExitUsage;
    if (!ConfirmAccessModeIfOn(s.link, *s.ui, *s.profile)) return kExitFailed;
    LinkContext ctx{s.link, *s.ui, *s.profile, {}};
    UnitStatus status{};
    if (!CheckSelectedUnit(ctx, &status)) return kExitFailed;
    int build = (status[3] << 8) | status[4];
    Print(console.out, "Device code: '%c' (0x%02X)\n", status[0] >= 0x20 && status[0] < 0x7F ? status[0] : '?', status[0]);
    Print(console.out, "QN70-G-R Ver. %d.%d.%d\n", status[1], status[2], build);
    Print(console.out, "Flags: 0x%02X (%s)\n", status[5], FlagNames(status[5]).c_str());
    return kExitOk;
}

int CmdDownload(const Args& args, Console& console)
{
    if (!args.positional.empty()) {
        console.err << "usage: volmar-cli download [LINK OPTIONS] [-o FILE]\n";
        return kExitUsage;
    }
    Session s;
    if (!BuildSession(args, console, s)) return kExitUsage;
    if (!ConfirmAccessModeIfOn(s.link, *s.ui, *s.profile)) return kExitFailed;
    auto record = std::make_unique<SettingRecord>();
    ResetSettingRecord(*record);
    if (!DownloadSetting(s.link, *s.ui, *s.profile, *record)) return kExitFailed;
    return WriteOutput(args, console, WriteSettingDocument(*record)) ? kExitOk : kExitFailed;
}

void PrintSerialTimes(Console& console, size_t downloadBytes, size_t uploadBytes)
{
    Print(console.err, "Over the serial link (%d baud): download about %.1f s, upload about %.1f s.\n",
                 kSerialLineRate, SerialSeconds(downloadBytes), SerialSeconds(uploadBytes));
}

int CmdUpload(const Args& args, Console& console)
{
    if (args.positional.size() != 1) {
        console.err << "usage: volmar-cli upload [LINK OPTIONS] [--show-changes] [--verify] FILE\n";
        return kExitUsage;
    }
    auto record = std::make_unique<SettingRecord>();
    if (const int loaded = LoadSettingsFile(args, console, args.positional[0], *record); loaded != kExitOk)
        return loaded;
    Session s;
    if (!BuildSession(args, console, s)) return kExitUsage;
    const std::string document = WriteSettingDocument(*record);
    UploadOptions upload;
    bool nothingDiffers = false;
    if (args.Has("show-changes")) {
        // The changes first, then the one question; with nothing to change
        // there is no question, and only --yes uploads.
        upload.askConfirmation = false;
        upload.reviewChanges = [&](const UnitSetting& onUnit, size_t uploadBytes) {
            const auto changes = ChangesOfDocument(onUnit.record, document);
            if (changes.empty()) {
                console.out << "The unit already holds this setting: nothing differs.\n";
            } else {
                PrintDifferences(console.out, changes, true);
            }
            console.out.flush();
            if (onUnit.serial) PrintSerialTimes(console, onUnit.payloadBytes, uploadBytes);
            if (changes.empty()) {
                nothingDiffers = !args.Has("yes");
                if (nothingDiffers) console.err << "Nothing uploaded (--yes uploads it all the same).\n";
                return !nothingDiffers;
            }
            return s.ui->Confirm({MessageIcon::Question, "Upload these changes?"});
        };
    }
    bool verified = true, readBackFailed = false;
    if (args.Has("verify")) {
        upload.verify = [&](const SettingRecord* readBack) {
            if (!readBack) {
                readBackFailed = true;
                return;
            }
            const auto differences = ChangesOfDocument(*readBack, document);
            verified = differences.empty();
            if (!verified) {
                console.err << "The unit holds something else than was uploaded (on the unit -> uploaded):\n";
                PrintDifferences(console.err, differences, args.Has("labels"));
            }
        };
    }
    if (!UploadSetting(s.link, *s.ui, *s.profile, *record, {}, std::move(upload)))
        return nothingDiffers ? kExitOk : kExitFailed;
    console.err << "Upload complete.\n";
    if (readBackFailed) return kExitFailed;
    if (!verified) return kExitVerifyFailed;
    if (args.Has("verify")) console.err << "The unit holds the uploaded setting.\n";
    return kExitOk;
}

}  // namespace

int DiffWithUnit(const Args& args, Console& console)
{
    if (args.positional.size() != 1) {
        console.err << "usage: volmar-cli diff [--labels] --from-unit [LINK OPTIONS] FILE\n";
        return kExitUsage;
    }
    auto file = std::make_unique<SettingRecord>();
    if (const int loaded = LoadSettingsFile(args, console, args.positional[0], *file); loaded != kExitOk)
        return loaded;
    Session s;
    if (!BuildSession(args, console, s)) return kExitUsage;
    if (!ConfirmAccessModeIfOn(s.link, *s.ui, *s.profile)) return kExitFailed;
    auto unit = std::make_unique<SettingRecord>();
    ResetSettingRecord(*unit);
    if (!DownloadSetting(s.link, *s.ui, *s.profile, *unit)) return kExitFailed;
    const auto differences = ChangesOfDocument(*unit, WriteSettingDocument(*file));
    PrintDifferences(console.out, differences, args.Has("labels"));
    return differences.empty() ? kExitOk : 1;
}

const char* const kLinkOptionsHelp =
    "\nLink options (without --serial, --host or --unit the link of the preferences\n"
    "is used: \"COMTYPE\", the device kept for \"COM\" in the section \"COMMAP\",\n"
    "\"NET\" and \"NETPORT\"):\n"
    "  --serial DEVICE      the unit's USB serial device, e.g. /dev/ttyACM0\n"
    "  --host ADDRESS       a unit on the network (dotted address or host name)\n"
    "  --unit NAME          a unit of the address book in the preferences\n"
    "  --port N             TCP port (default 30321)\n"
    "  --protocol P         auto (default: detect), plain or cipher\n"
    "  --login ID           login ID; --password PW or VOLMAR_PASSWORD gives the\n"
    "                       password, else it is asked on the terminal\n"
    "  --yes                answer every confirmation with OK\n"
    "  --quiet              no progress line\n"
    "The preferences are the user's QSettings (NORDWALD/VOLMAR), or the INI file\n"
    "named by the environment variable VOLMAR_PROFILE.\n";

namespace {

std::string Help(const char* head)
{
    return std::string(head) + kLinkOptionsHelp;
}

}  // namespace

const std::vector<Command>& DeviceCommands()
{
    static const std::string statusHelp = Help(
        "usage: volmar-cli status [LINK OPTIONS]\n\n"
        "Checks the unit and prints its device code, firmware version and flags.\n");
    static const std::string downloadHelp = Help(
        "usage: volmar-cli download [LINK OPTIONS] [-o FILE]\n\n"
        "Reads the unit's setting and writes its settings document to FILE or stdout.\n");
    static const std::string uploadHelp = Help(
        "usage: volmar-cli upload [LINK OPTIONS] [--show-changes] [--verify] FILE\n\n"
        "Reads the settings file (it must be usable) and writes it to the unit,\n"
        "after \"Are you sure to upload?\" and the firmware check.\n"
        "  --show-changes  first read the unit's setting over the same link, print\n"
        "                  what the upload changes (with the editors' labels), then\n"
        "                  ask \"Upload these changes?\" instead of \"Are you sure to\n"
        "                  upload?\" (--yes answers it). When nothing differs, nothing\n"
        "                  is asked or uploaded (exit 0) unless --yes is given\n"
        "  --verify        read the setting back after the upload; exit 4, with the\n"
        "                  differences on stderr, when the unit holds something else\n"
        "                  (--labels prints them with labels)\n" VOLMAR_NO_INFO_MESSAGE_HELP);
    static const std::vector<Command> commands = {
        {"status", "check a unit and print its version and flags", statusHelp.c_str(), CmdStatus, LinkUse::Always},
        {"download", "read a unit's setting into a settings file", downloadHelp.c_str(), CmdDownload, LinkUse::Always,
         {kOutputOption}},
        {"upload", "write a settings file to a unit", uploadHelp.c_str(), CmdUpload, LinkUse::Always,
         {{"show-changes"}, {"verify"}, kLabelsOption, kNoInfoMessageOption}},
    };
    return commands;
}

}  // namespace volmar::cli
