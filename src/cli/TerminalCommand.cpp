#include "cli/TerminalCommand.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <ctime>
#include <string>

#include "cli/Command.h"
#include "cli/DeviceSession.h"
#include "link/serial/ComPort.h"
#include "link/terminal/TerminalReader.h"
#include "link/transfer/UnitMessages.h"

namespace volmar::cli {
namespace {

std::atomic<bool> g_stop{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnStopSignal(int) { g_stop.store(true); }

// The saved copy: written beside FILE and put in its place when the log
// ends, so an earlier FILE stays whole until then.
class SavedLog {
public:
    bool Open(const std::string& path)
    {
        path_ = path;
        temp_ = path + ".XXXXXX";
        const int fd = ::mkstemp(temp_.data());
        if (fd < 0) return false;
        file_ = ::fdopen(fd, "wb");
        if (!file_) ::close(fd);
        return file_ != nullptr;
    }
    bool Write(const std::string& text) { return !file_ || std::fwrite(text.data(), 1, text.size(), file_) == text.size(); }
    // Syncs and renames; false (temporary file removed) on failure.
    bool Finish()
    {
        if (!file_) return true;
        bool ok = std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
        ok = std::fclose(file_) == 0 && ok;
        file_ = nullptr;
        ok = ok && ::rename(temp_.c_str(), path_.c_str()) == 0;
        if (!ok) ::unlink(temp_.c_str());
        return ok;
    }
    ~SavedLog()
    {
        if (file_) {
            std::fclose(file_);
            ::unlink(temp_.c_str());
        }
    }

private:
    std::string path_;
    std::string temp_;
    FILE* file_ = nullptr;
};

// Puts the local time before every line when asked.
class Stamper {
public:
    explicit Stamper(bool on) : on_(on) {}
    std::string Apply(std::string_view text)
    {
        if (!on_) return std::string(text);
        std::string out;
        for (char c : text) {
            if (atLineStart_) out += Now();
            out += c;
            atLineStart_ = c == '\n';
        }
        return out;
    }

private:
    static std::string Now()
    {
        const std::time_t t = std::time(nullptr);
        std::tm local{};
        ::localtime_r(&t, &local);
        char stamp[32];
        std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S ", &local);
        return stamp;
    }
    bool on_;
    bool atLineStart_ = true;
};

}  // namespace

const char* const kTerminalHelp =
    "usage: volmar-cli terminal [--serial DEVICE] [--save FILE] [--timestamps]\n\n"
    "Streams the text log that a unit with SW1 on writes to its USB port to\n"
    "standard output until Ctrl+C, or until the port goes away (exit 3).\n"
    "  --save FILE     also write the log to FILE (UTF-8); FILE is replaced when\n"
    "                  the log ends\n"
    "  --timestamps    put the local time before each line\n"
    "The serial device is --serial or the one the preferences select.\n";

int CmdTerminal(const Args& args)
{
    if (!args.positional.empty()) {
        std::fputs("usage: volmar-cli terminal [--serial DEVICE] [--save FILE] [--timestamps]\n", stderr);
        return kExitUsage;
    }
    Session s;
    if (!BuildSession(args, s)) return kExitUsage;
    if (s.link.kind != LinkKind::Usb) {
        std::fputs("volmar-cli: the terminal log needs the USB (serial) link: pass --serial DEVICE\n", stderr);
        return kExitUsage;
    }
    SavedLog saved;
    if (const std::string* path = args.Value("save"); path && !saved.Open(*path)) {
        std::fputs("Failed to Open File\n", stderr);
        return kExitFailed;
    }
    CComPort port;
    if (const PortOpenResult opened = port.Open(s.link.comDevice); !opened.ok) {
        s.ui->Show(PortOpenMessage(s.link.comPort, s.link.comDevice, opened.error));
        return kExitFailed;
    }
    s.ui->Show({MessageIcon::Information, "Turn SW1 ON at the front of device."});

    struct sigaction action {};
    action.sa_handler = OnStopSignal;  // no SA_RESTART: poll() returns at once
    sigemptyset(&action.sa_mask);
    struct sigaction oldInt {}, oldTerm {};
    ::sigaction(SIGINT, &action, &oldInt);
    ::sigaction(SIGTERM, &action, &oldTerm);
    Stamper stamper(args.Has("timestamps"));
    bool writeFailed = false;
    const TerminalEnd end = ReadTerminal(port.Fd(), g_stop, [&](std::string_view text) {
        const std::string out = stamper.Apply(text);
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::fflush(stdout);
        writeFailed = writeFailed || !saved.Write(out);
    });
    ::sigaction(SIGINT, &oldInt, nullptr);
    ::sigaction(SIGTERM, &oldTerm, nullptr);
    port.Close();
    const bool savedOk = !writeFailed && saved.Finish();  // a failed copy is not put in place
    if (end != TerminalEnd::Stopped) std::fputs("volmar-cli: the serial port went away\n", stderr);
    s.ui->Show({MessageIcon::Information, "Turn SW1 OFF at the front of device."});
    if (!savedOk) {
        std::fputs("Failed to save file.\n", stderr);
        return kExitFailed;
    }
    return end == TerminalEnd::Stopped ? kExitOk : kExitFailed;
}

}  // namespace volmar::cli
