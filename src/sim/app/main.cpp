// qn70g-sim: a simulated QN70G unit on a pseudo-terminal and on loopback
// TCP, for working with VOLMAR without hardware.
#include <signal.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/settings/SettingRecord.h"
#include "sim/app/Options.h"
#include "sim/app/SignalWait.h"
#include "sim/cipher/CipherServer.h"
#include "core/common/FileIo.h"
#include "sim/serial/PtyServer.h"
#include "sim/serial/TextLogPlayer.h"
#include "sim/tcp/PlainTcpServer.h"
#include "sim/unit/SettingFile.h"
#include "sim/unit/SimUnit.h"

namespace volmar::sim {
namespace {

constexpr int kExitUsage = 64;
constexpr int kExitFailure = 1;
// How often the main thread looks at the serial line while it waits for a signal.
constexpr int kWatchMs = 1000;
// A text log larger than this is no log.
constexpr size_t kMaxTextLog = 64u << 20;

void Error(const std::string& text) { std::fprintf(stderr, "qn70g-sim: %s\n", text.c_str()); }

std::string FlagText(uint8_t flags)
{
    std::string text;
    auto add = [&](uint8_t bit, const char* name) {
        if (!(flags & bit)) return;
        text += text.empty() ? " (" : ", ";
        text += name;
    };
    add(kFlagSdCard, "SD card");
    add(kFlagLogging, "logging");
    add(kFlagNetworkConfig, "network configuration permitted");
    if (!text.empty()) text += ")";
    char head[16];
    std::snprintf(head, sizeof head, "0x%02X", flags);
    return head + text;
}

std::string CodeText(uint8_t code)
{
    char text[16];
    if (code > ' ' && code < 0x7F)
        std::snprintf(text, sizeof text, "'%c'", code);
    else
        std::snprintf(text, sizeof text, "0x%02X", code);
    return text;
}

void Describe(const AppOptions& o, SimUnit& unit)
{
    std::string ids;
    for (const std::string& id : unit.LoginIds()) ids += (ids.empty() ? "" : ", ") + id;
    std::fprintf(stderr, "qn70g-sim: unit %s, firmware %d.%d.%d, flags %s\n", CodeText(o.unit.deviceCode).c_str(),
                 o.unit.major, o.unit.minor, o.unit.build, FlagText(o.unit.flags).c_str());
    std::fprintf(stderr, "qn70g-sim: setting %s; login IDs: %s\n",
                 o.configPath.empty() ? "of a new unit" : ("from " + o.configPath).c_str(),
                 ids.empty() ? "none" : ids.c_str());
    std::fprintf(stderr, "qn70g-sim: running; stop with Ctrl+C\n");
}

int Run(const AppOptions& o)
{
    // Before any thread starts, so that the signals reach only the wait below.
    SignalWait signals;
    if (!signals.Install()) {
        Error(std::string("cannot set up signal handling: ") + std::strerror(errno));
        return kExitFailure;
    }
    ::signal(SIGPIPE, SIG_IGN);

    auto record = std::make_unique<SettingRecord>();
    ResetSettingRecord(*record);
    if (!o.configPath.empty()) {
        const SettingFileResult loaded = LoadSettingFile(o.configPath, *record);
        if (!loaded.ok) {
            Error(loaded.message);
            return kExitFailure;
        }
        if (!loaded.message.empty()) Error("note: " + loaded.message);
    }
    std::unique_ptr<Journal> journal;
    if (!o.journalPath.empty()) {
        std::string why;
        journal = Journal::Open(o.journalPath, why);
        if (!journal) {
            Error("cannot open the journal " + o.journalPath + ": " + why);
            return kExitFailure;
        }
    }
    SimUnit unit(o.unit, record.get(), std::move(journal));

    ServerOptions network;
    network.fault = o.networkFault;
    network.statusLength = o.serialFaults.statusLength;
    network.address = o.address;
    std::unique_ptr<PtyServer> serial;
    std::unique_ptr<TextLogPlayer> textLog;
    std::unique_ptr<PlainTcpServer> tcp;
    std::unique_ptr<CipherServer> cipher;
    std::vector<std::string> lines;
    if (o.serial && !o.textLogPath.empty()) {
        std::string text;
        std::string why;
        if (!ReadWholeFile(o.textLogPath, kMaxTextLog, text, &why)) {
            Error("cannot read the text log " + o.textLogPath + ": " + why);
            return kExitFailure;
        }
        textLog = std::make_unique<TextLogPlayer>(TextLogOptions{SplitLogLines(text), o.textLogRate, o.textLogRepeat});
        int err = 0;
        if (!textLog->Start(err)) {
            Error(std::string("cannot open a pseudo-terminal: ") + std::strerror(err));
            return kExitFailure;
        }
        lines.push_back("serial: " + textLog->SlavePath());
    } else if (o.serial) {
        serial = std::make_unique<PtyServer>(unit.Link(UnitLink::Serial), o.serialFaults);
        int err = 0;
        if (!serial->Start(err)) {
            Error(std::string("cannot open a pseudo-terminal: ") + std::strerror(err));
            return kExitFailure;
        }
        lines.push_back("serial: " + serial->SlavePath());
    }
    if (o.tcpPort) {
        tcp = std::make_unique<PlainTcpServer>(unit.Link(UnitLink::Tcp), network);
        if (!tcp->Start(*o.tcpPort)) {
            Error("tcp: cannot listen on " + o.address + ":" + std::to_string(*o.tcpPort) + " (is the port in use?)");
            return kExitFailure;
        }
        lines.push_back("tcp: " + o.address + ":" + std::to_string(tcp->Port()));
    }
    if (o.cipherPort) {
        cipher = std::make_unique<CipherServer>(unit.Link(UnitLink::Cipher), network);
        if (!cipher->Start(*o.cipherPort)) {
            Error("cipher: cannot listen on " + o.address + ":" + std::to_string(*o.cipherPort) + " (is the port in use?)");
            return kExitFailure;
        }
        lines.push_back("cipher: " + o.address + ":" + std::to_string(cipher->Port()));
    }
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());
    std::printf("ready\n");
    std::fflush(stdout);
    Describe(o, unit);

    int status = 0;
    for (;;) {
        if (const int signal = signals.Wait(kWatchMs); signal != 0) {
            std::fprintf(stderr, "qn70g-sim: %s received, stopping\n", SignalName(signal));
            break;
        }
        if (serial && serial->Ended()) {
            Error("serial: the pseudo-terminal failed; stopping");
            status = kExitFailure;
            break;
        }
    }
    if (cipher) cipher->Stop();
    if (tcp) tcp->Stop();
    if (serial) serial->Stop();
    if (textLog) textLog->Stop();
    return status;
}

}  // namespace
}  // namespace volmar::sim

int main(int argc, char** argv)
{
    using namespace volmar::sim;
    const ParseResult parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    switch (parsed.status) {
    case ParseStatus::Help:
        std::fputs(kUsage, stdout);
        return 0;
    case ParseStatus::Version:
        std::printf("qn70g-sim %s\n", VOLMAR_VERSION);
        return 0;
    case ParseStatus::Error:
        std::fprintf(stderr, "qn70g-sim: %s\nTry 'qn70g-sim --help' for more information.\n", parsed.error.c_str());
        return kExitUsage;
    case ParseStatus::Run:
        break;
    }
    return Run(parsed.options);
}
