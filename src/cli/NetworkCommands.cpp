// volmar-cli network-settings and access-settings: the unit's own addresses
// and its configurator access, shown from a download and changed by the
// upload of a partial document, which goes over the serial link only.
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "cli/Command.h"
#include "cli/DeviceSession.h"
#include "cli/TerminalCommand.h"
#include "core/link/session/SessionFactory.h"
#include "core/link/transfer/Login.h"
#include "core/link/transfer/SettingDownload.h"
#include "core/link/transfer/SettingUpload.h"
#include "core/link/transfer/UnitMessages.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/TextConvert.h"
#include "core/settings/ValueText.h"

namespace volmar::cli {
namespace {

constexpr size_t kCredentialChars = 16;
constexpr const char* kFactoryLogin = "kovan";
constexpr const char* kMsgBadAddress = "Setting error: IP address";
constexpr const char* kMsgDefaults =
    "ID/password(s) have not been changed/applied.\nPersonalized setting is recommended.";

int Refuse(Console& console, const std::string& text)
{
    Print(console.err, "%s\n", text.c_str());
    return kExitFailed;
}

// The unit's setting, with the access-mode confirmation first.
bool Download(Session& s, SettingRecord& record)
{
    if (!ConfirmAccessModeIfOn(s.link, *s.ui, *s.profile)) return false;
    ResetSettingRecord(record);
    return DownloadSetting(s.link, *s.ui, *s.profile, record);
}

// "Are you sure to upload?", then the document over the serial link.
int Upload(Session& s, Console& console, const std::string& document)
{
    if (!s.ui->Confirm({MessageIcon::Information, kMsgConfirmUpload})) return kExitFailed;
    UploadOptions upload;
    upload.askConfirmation = false;
    upload.confirmAccessMode = false;
    if (!UploadSettingObject(s.link, *s.ui, *s.profile, document, upload)) return kExitFailed;
    console.err << "Upload complete.\n";
    return kExitOk;
}

bool SerialOnly(const Session& s, Console& console, const char* what)
{
    if (SerialLinkSelected(s.link)) return true;
    Print(console.err, "volmar-cli: %s can be changed over the USB (serial) link only; over a network link they "
                         "are shown, not changed\n", what);
    return false;
}

// What the address control stores for a typed address: "%d.%d.%d.%d" (no
// leading zeros, which a unit could read as octal), or the empty text (no
// address); nothing for a text that is no address.
std::optional<std::string> StoredAddress(const std::string& text)
{
    if (text.empty()) return text;
    const auto parts = ParseIpv4Text(text);
    if (!parts) return std::nullopt;
    return FormatIpv4(*parts);
}

template <size_t N>
void StoreText(char (&field)[N], const std::string& text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

// ---- network-settings ------------------------------------------------------

int CmdNetworkSettings(const Args& args, Console& console)
{
    if (!args.positional.empty() || (args.Has("dhcp") && args.Has("manual"))) {
        console.err << "usage: volmar-cli network-settings [LINK OPTIONS] [--dhcp|--manual] [--ip A] [--mask A]\n"
                       "       [--gateway A] [--dns1 A] [--dns2 A]\n";
        return kExitUsage;
    }
    const char* names[] = {"ip", "mask", "gateway", "dns1", "dns2"};
    const char* captions[] = {"IP address", "Subnet mask", "Default gateway", "Preferred DNS", "Alternate DNS"};
    bool change = args.Has("dhcp") || args.Has("manual");
    std::optional<std::string> addresses[5];
    for (int i = 0; i < 5; ++i) {
        const std::string* value = args.Value(names[i]);
        if (!value) continue;
        change = true;
        addresses[i] = StoredAddress(*value);
        if (!addresses[i])
            return Refuse(console, std::string(kMsgBadAddress) + "\nvolmar-cli: --" + names[i] +
                          " takes a.b.c.d with parts 0 to 255, or '' for no address");
    }
    Session s;
    if (!BuildSession(args, console, s)) return kExitUsage;
    if (change && !SerialOnly(s, console, "the network settings")) return kExitUsage;
    auto record = std::make_unique<SettingRecord>();
    if (!Download(s, *record)) return kExitFailed;
    IpAddressBlock& block = record->COM.TCP_IP.IP_ADDRESS;
    char* fields[] = {block.MY, block.SUBNETMASK, block.DEFAULT_GATEWAY, block.DNS1, block.DNS2};
    if (!change) {
        Print(console.out, "IP address setting: %s\n", block.DHCP ? "Automatic setting (DHCP)" : "Manual setting");
        for (int i = 0; i < 5; ++i) Print(console.out, "%s: %s\n", captions[i], fields[i]);
        return kExitOk;
    }
    if (args.Has("dhcp")) block.DHCP = 1;
    if (args.Has("manual")) block.DHCP = 0;
    for (int i = 0; i < 5; ++i) {
        if (!addresses[i]) continue;
        std::memset(fields[i], 0, sizeof block.MY);
        std::memcpy(fields[i], addresses[i]->data(), std::min(addresses[i]->size(), sizeof block.MY - 1));
    }
    std::string document;
    WriteNetworkDocument(document, *record);
    return Upload(s, console, document);
}

// ---- access-settings -------------------------------------------------------

// "K:ID:PASSWORD" or "K:disable", K from 1 to 8.
bool ApplyAccount(const std::string& text, AccessBlock& access)
{
    const size_t colon = text.find(':');
    if (colon != 1 || text[0] < '1' || text[0] > '8') return false;
    Account& account = access.AUTH[text[0] - '1'];
    const std::string rest = text.substr(2);
    if (rest == "disable") {
        account.MODE = kNoUse;
        return true;
    }
    const size_t second = rest.find(':');
    if (second == std::string::npos) return false;
    account.MODE = kUse;
    StoreText(account.LOGIN, rest.substr(0, second));
    StoreText(account.PASSWORD, rest.substr(second + 1));
    return true;
}

// The entry check of one account: its texts.
void CheckAccount(const std::string& login, const std::string& password, size_t account, std::string& error)
{
    if (!IsPlainCredential(login, kCredentialChars))
        error = "Setting error: Login ID(ID" + std::to_string(account + 1) + ")";
    else if (!IsPlainCredential(password, kCredentialChars))
        error = "Setting error: Password(ID" + std::to_string(account + 1) + ")";
}

void PrintAccess(Console& console, const AccessBlock& access, bool accounts)
{
    Print(console.out, "Connection via network: %s\n", access.NET == kUse ? "Enable" : "Disable");
    Print(console.out, "Port address: %d\n", access.PORT);
    if (!accounts) {
        console.out << "(the accounts are shown over the USB link only)\n";
        return;
    }
    for (int i = 0; i < kAccountCount; ++i) {
        const Account& a = access.AUTH[i];
        Print(console.out, "ID%d: %s  login ID: %s  password: %s\n", i + 1, a.MODE == kUse ? "Enable" : "Disable",
                    a.LOGIN, a.PASSWORD[0] ? "(set)" : "(empty)");
    }
}

int CmdAccessSettings(const Args& args, Console& console)
{
    if (!args.positional.empty() || (args.Has("enable") && args.Has("disable"))) {
        console.err << "usage: volmar-cli access-settings [LINK OPTIONS] [--enable|--disable] [--port N]\n"
                       "       [--account K:ID:PASSWORD|K:disable ...]\n";
        return kExitUsage;
    }
    // Here --port is the unit's access port: the link's comes from the preferences.
    const std::string* port = args.Value("port");
    const auto accountIt = args.repeated.find("account");
    const bool change = args.Has("enable") || args.Has("disable") || port || accountIt != args.repeated.end();
    Args linkArgs = args;
    linkArgs.values.erase("port");
    Session s;
    if (!BuildSession(linkArgs, console, s)) return kExitUsage;
    if (change && !SerialOnly(s, console, "the access settings")) return kExitUsage;
    auto record = std::make_unique<SettingRecord>();
    if (!Download(s, *record)) return kExitFailed;
    AccessBlock& access = record->VOLMAR;
    if (!change) {
        PrintAccess(console, access, SerialLinkSelected(s.link));
        return kExitOk;
    }
    if (args.Has("enable")) access.NET = kUse;
    if (args.Has("disable")) access.NET = kNoUse;
    if (accountIt != args.repeated.end()) {
        for (const std::string& text : accountIt->second)
            if (!ApplyAccount(text, access)) return Refuse(console, "volmar-cli: --account takes K:ID:PASSWORD or K:disable "
                                                           "with K from 1 to 8, not '" + text + "'");
    }
    std::string error;
    for (size_t i = 0; i < kAccountCount && error.empty(); ++i)
        CheckAccount(access.AUTH[i].LOGIN, access.AUTH[i].PASSWORD, i, error);
    if (!error.empty()) return Refuse(console, error);
    if (port) {
        int64_t v = 0;
        if (port->empty() || port->find_first_not_of("0123456789") != std::string::npos ||
            !CheckSignedRange(*port, 0, 65535, &v))
            return Refuse(console, "Setting error: Port address");
        access.PORT = static_cast<uint16_t>(v);
    }
    bool defaults = false;
    for (int i = 0; i < kAccountCount; ++i) {
        const Account& a = access.AUTH[i];
        if (a.MODE != kUse) continue;
        for (int j = i + 1; j < kAccountCount; ++j)
            if (access.AUTH[j].MODE == kUse && std::strcmp(a.LOGIN, access.AUTH[j].LOGIN) == 0)
                return Refuse(console, "Login ID: " + std::string(a.LOGIN) + " duplicated");
        defaults = defaults || !a.LOGIN[0] || !a.PASSWORD[0] ||
                   (std::strcmp(a.LOGIN, kFactoryLogin) == 0 && std::strcmp(a.PASSWORD, kFactoryLogin) == 0);
    }
    // --yes answers the question without showing it: the warning stays.
    if (defaults && args.Has("yes")) Print(console.err, "%s\n", kMsgDefaults);
    if (defaults && !s.ui->Confirm({MessageIcon::Warning, kMsgDefaults})) return kExitFailed;
    std::string document;
    WriteAccessDocument(*record, document);
    return Upload(s, console, document);
}

constexpr const char* kLinkNote =
    "\nLink options as for 'status' (--serial DEVICE, --host, --unit, --login,\n"
    "--password, --protocol, --yes, --quiet). Changes go over the USB (serial)\n"
    "link only; over a network link the settings are shown, not changed.\n";

}  // namespace

const std::vector<Command>& NetworkCommands()
{
    static const std::string networkHelp = std::string(
        "usage: volmar-cli network-settings [LINK OPTIONS] [--dhcp|--manual] [--ip A] [--mask A]\n"
        "       [--gateway A] [--dns1 A] [--dns2 A]\n\n"
        "Without options prints the unit's own network addresses (downloaded).\n"
        "With options changes them and uploads the network document, after\n"
        "\"Are you sure to upload?\". An empty address (--dns2 '') is no address.\n"
        "Addresses are stored without leading zeros (--ip 010.001.000.007 is\n"
        "10.1.0.7); a part above 255 is refused. --port N is the link's TCP port.\n") + kLinkNote;
    static const std::string accessHelp = std::string(
        "usage: volmar-cli access-settings [LINK OPTIONS] [--enable|--disable] [--port N]\n"
        "       [--account K:ID:PASSWORD|K:disable ...]\n\n"
        "Without options prints whether VOLMAR may reach the unit over the network,\n"
        "on which port, and the eight accounts ID1 to ID8. With options changes\n"
        "them and uploads the access document. Here --port N is the unit's access\n"
        "port (0 to 65535); the link's TCP port comes from the preferences. Login\n"
        "IDs and passwords have at most 16 characters; enabled login IDs must\n"
        "differ. An enabled account with an empty or the factory login asks first\n"
        "(--yes answers OK).\n") + kLinkNote;
    static const std::vector<Command> commands = {
        {"network-settings", "show or change a unit's network addresses", networkHelp.c_str(),
         CmdNetworkSettings, LinkUse::Always,
         {{"dhcp"}, {"manual"}, {"ip", true}, {"mask", true}, {"gateway", true}, {"dns1", true}, {"dns2", true}}},
        {"access-settings", "show or change a unit's access over the network", accessHelp.c_str(),
         CmdAccessSettings, LinkUse::Always, {{"enable"}, {"disable"}, {"account", true}}},
        {"terminal", "stream a unit's text log (SW1 on) to stdout", kTerminalHelp, CmdTerminal,
         LinkUse::None, {{"serial", true}, {"save", true}, {"timestamps"}}},
    };
    return commands;
}

}  // namespace volmar::cli
