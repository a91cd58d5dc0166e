#include "cli/TerminalCommand.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <string>
#include <string_view>

#include "cli/Command.h"
#include "cli/DeviceSession.h"
#include "core/common/FileIo.h"
#include "core/link/serial/ComPort.h"
#include "core/link/session/SessionFactory.h"
#include "core/link/terminal/TerminalReader.h"
#include "core/link/transfer/UnitMessages.h"

namespace volmar::cli {
namespace {

std::atomic<bool> g_stop{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnStopSignal(int) { g_stop.store(true); }

// While the log runs, Ctrl+C, SIGTERM and a closed terminal (SIGHUP) only
// ask it to end, so that the saved copy is finished; SIGPIPE is ignored
// and a reader that went away (EPIPE) ends the log the same way. The
// handlers only set a flag: the reader looks at it at least every poll
// interval, and a signal also cuts its wait short (no SA_RESTART).
class StopSignals {
public:
    StopSignals()
    {
        g_stop.store(false);
        struct sigaction action {};
        action.sa_handler = OnStopSignal;
        sigemptyset(&action.sa_mask);
        for (size_t i = 0; i < kCaught.size(); ++i) ::sigaction(kCaught[i], &action, &m_old[i]);
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ::sigaction(SIGPIPE, &ignore, &m_oldPipe);
    }
    ~StopSignals()
    {
        for (size_t i = 0; i < kCaught.size(); ++i) ::sigaction(kCaught[i], &m_old[i], nullptr);
        ::sigaction(SIGPIPE, &m_oldPipe, nullptr);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
    static constexpr std::array<int, 3> kCaught = {SIGINT, SIGTERM, SIGHUP};
    std::array<struct sigaction, 3> m_old{};
    struct sigaction m_oldPipe {};
};

// Writes all of text to standard output: 0, or the errno that ended the
// writing (EINTR when the log was asked to end while the write blocked).
int WriteStdout(std::string_view text)
{
    while (!text.empty()) {
        const ssize_t n = ::write(STDOUT_FILENO, text.data(), text.size());
        if (n < 0 && errno == EINTR && !g_stop.load()) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        text.remove_prefix(static_cast<size_t>(n));
    }
    return 0;
}

// Puts the local time before every line when asked.
class Stamper {
public:
    explicit Stamper(bool on) : m_on(on) {}
    std::string Apply(std::string_view text)
    {
        if (!m_on) return std::string(text);
        std::string out;
        for (char c : text) {
            if (m_atLineStart) out += Now();
            out += c;
            m_atLineStart = c == '\n';
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
    bool m_on;
    bool m_atLineStart = true;
};

}  // namespace

const char* const kTerminalHelp =
    "usage: volmar-cli terminal [--serial DEVICE] [--save FILE] [--timestamps]\n\n"
    "Streams the text log that a unit with SW1 on writes to its USB port to\n"
    "standard output until Ctrl+C, SIGTERM, SIGHUP or the end of the reader of\n"
    "standard output (exit 0), or until the port goes away (exit 3).\n"
    "  --save FILE     also write the log to FILE (UTF-8); FILE is replaced when\n"
    "                  the log ends, however it ends, with everything received\n"
    "  --timestamps    put the local time before each line\n"
    "The serial device is --serial or the one the preferences select.\n";

int CmdTerminal(const Args& args, Console& console)
{
    if (!args.positional.empty()) {
        console.err << "usage: volmar-cli terminal [--serial DEVICE] [--save FILE] [--timestamps]\n";
        return kExitUsage;
    }
    Session s;
    if (!BuildSession(args, console, s)) return kExitUsage;
    if (!SerialLinkSelected(s.link)) {
        console.err << "volmar-cli: the terminal log needs the USB (serial) link: pass --serial DEVICE\n";
        return kExitUsage;
    }
    const StopSignals signals;
    AtomicFile saved;
    std::string error;
    if (const std::string* path = args.Value("save"); path && !saved.Open(*path, &error)) {
        Print(console.err, "Failed to Open File\nvolmar-cli: %s\n", error.c_str());
        return kExitFailed;
    }
    CComPort port;
    if (const PortOpenResult opened = port.Open(s.link.comDevice); !opened.ok) {
        s.ui->Show(PortOpenMessage(s.link.comPort, s.link.comDevice, opened.error));
        return kExitFailed;
    }
    s.ui->Show({MessageIcon::Information, "Turn SW1 ON at the front of device."});

    Stamper stamper(args.Has("timestamps"));
    int stdoutError = 0;
    const TerminalEnd end = ReadTerminal(port.Fd(), g_stop, [&](std::string_view text) {
        const std::string out = stamper.Apply(text);
        // The copy first: what arrived is kept even when stdout stops taking it.
        saved.Write(out);
        if (stdoutError == 0 && (stdoutError = WriteStdout(out)) != 0) g_stop.store(true);
    });
    port.Close();
    const bool savedOk = !saved.IsOpen() || saved.Commit(&error);  // a failed copy is not put in place
    if (end != TerminalEnd::Stopped) console.err << "volmar-cli: the serial port went away\n";
    s.ui->Show({MessageIcon::Information, "Turn SW1 OFF at the front of device."});
    if (!savedOk) {
        Print(console.err, "Failed to save file.\nvolmar-cli: %s\n", error.c_str());
        return kExitFailed;
    }
    // A reader that went away (| head) ends the log as Ctrl+C does.
    if (stdoutError != 0 && stdoutError != EPIPE && stdoutError != EINTR) {
        Print(console.err, "volmar-cli: cannot write to standard output: %s\n", std::strerror(stdoutError));
        return kExitFailed;
    }
    return end == TerminalEnd::Stopped ? kExitOk : kExitFailed;
}

}  // namespace volmar::cli
