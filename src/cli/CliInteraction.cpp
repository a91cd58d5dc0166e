#include "cli/CliInteraction.h"

#include <signal.h>
#include <termios.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <istream>
#include <ostream>
#include <iterator>
#include <mutex>
#include <thread>

#include "core/link/transfer/LinkState.h"
#include "core/link/transfer/SettingDownload.h"
#include "core/maintenance/MaintenanceTexts.h"

namespace volmar::cli {
namespace {

// The terminal's settings while a hidden prompt has echo off. A signal that
// ends the program there (Ctrl+C) puts them back first.
termios g_echoSettings{};
int g_echoTerminal = -1;
constexpr int kPromptSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

extern "C" void RestoreEchoAndDie(int signal)
{
    ::tcsetattr(g_echoTerminal, TCSANOW, &g_echoSettings);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

// Echo off for the lifetime of the guard, and on again on every way out.
class HiddenInput {
public:
    HiddenInput(int terminal, std::ostream& err) : m_terminal(terminal), m_err(err)
    {
        if (::tcgetattr(m_terminal, &g_echoSettings) != 0) return;
        g_echoTerminal = m_terminal;
        m_saved = true;
        struct sigaction action {};
        action.sa_handler = RestoreEchoAndDie;
        sigemptyset(&action.sa_mask);
        for (size_t i = 0; i < std::size(kPromptSignals); ++i)
            ::sigaction(kPromptSignals[i], &action, &m_previous[i]);
        termios quiet = g_echoSettings;
        quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
        m_active = ::tcsetattr(m_terminal, TCSANOW, &quiet) == 0;
    }
    ~HiddenInput()
    {
        if (!m_saved) return;
        ::tcsetattr(m_terminal, TCSANOW, &g_echoSettings);
        for (size_t i = 0; i < std::size(kPromptSignals); ++i) ::sigaction(kPromptSignals[i], &m_previous[i], nullptr);
        if (m_active) m_err << "\n";
    }
    HiddenInput(const HiddenInput&) = delete;
    HiddenInput& operator=(const HiddenInput&) = delete;

private:
    int m_terminal;
    std::ostream& m_err;
    struct sigaction m_previous[std::size(kPromptSignals)] {};
    bool m_saved = false;
    bool m_active = false;
};

// What each object the flows move is to the user.
struct ObjectWords {
    const char* object;
    const char* receive;
    const char* send;
};
constexpr ObjectWords kObjectWords[] = {
    {kSettingObject, "the setting", "the setting"},
    {kObjTime, "the clock time", "the clock time"},
    {kObjMac, "the MAC address", "the MAC address"},
    {kObjLog, "the system log", "the system log reset"},
    {kObjSd, "disk usage", "disk usage"},
    {kObjSum, "the preset count", "the preset count"},
    {kObjMemoryClear, "the memory block initialization", "the memory block initialization"},
    {kObjMail, "the test mail", "the test mail request"},
    {kObjFtpTest, "the FTP client test", "the FTP client test request"},
    {kObjUserData, "the user view's files", "the user view's files"},
    {kObjUserDir, "the user view's file list", "the user view's file list"},
    {kObjDelete, "the user view removal", "the user view removal"},
};

std::string WordsFor(const TransferView& view)
{
    for (const ObjectWords& w : kObjectWords)
        if (view.object == w.object) return view.send ? w.send : w.receive;
    return view.object;
}

// Bytes a second since the transfer began: KiB/s from 1 KiB/s on, below
// that B/s, so that a few bytes still show their rate.
std::string Rate(int64_t bytes, double seconds)
{
    const double rate = seconds > 0 && bytes > 0 ? static_cast<double>(bytes) / seconds : 0.0;
    char text[32];
    if (rate >= 1024) {
        std::snprintf(text, sizeof text, "%.1f KiB/s", rate / 1024);
    } else {
        std::snprintf(text, sizeof text, "%.0f B/s", rate);
    }
    return text;
}

// One progress line; on a terminal it overwrites the one before. A receive
// shows the bytes so far: its range is only the buffer's capacity.
void PrintProgress(std::ostream& err, const TransferView& view, int64_t done, double seconds, bool live)
{
    Print(err, "%s%s %s: ", live ? "\r" : "", view.send ? "Sending" : "Receiving", WordsFor(view).c_str());
    if (view.send) {
        const int64_t total = view.total > 0 ? view.total : 1;
        if (done > total) done = total;
        Print(err, "%3d%%  %lld / %lld bytes", static_cast<int>(done * 100 / total),
                     static_cast<long long>(done), static_cast<long long>(total));
    } else {
        Print(err, "%lld bytes", static_cast<long long>(done));
    }
    Print(err, "  %s%s", Rate(done, seconds).c_str(), live ? "\033[K" : "");
    err.flush();
}

}  // namespace

CliInteraction::CliInteraction(CliAnswers answers, Console& console)
    : m_answers(std::move(answers)), m_console(console)
{
}

void CliInteraction::Show(const Message& message)
{
    if (message.icon == MessageIcon::Error || message.icon == MessageIcon::Warning) m_showedFailure = true;
    Print(m_console.err, "%s\n", message.text.c_str());
}

std::string CliInteraction::ReadLine(const std::string& prompt, bool hidden)
{
    Print(m_console.err, "%s", prompt.c_str());
    m_console.err.flush();
    std::string line;
    if (hidden && m_console.inTerminal >= 0) {
        HiddenInput guard(m_console.inTerminal, m_console.err);
        std::getline(m_console.in, line);
    } else {
        std::getline(m_console.in, line);
    }
    return line;
}

bool CliInteraction::AskYesNo(const std::string& question)
{
    if (m_answers.yes) return true;
    if (m_console.inTerminal < 0) {
        Print(m_console.err, "%s\n(not confirmed: no terminal to ask; pass --yes to confirm)\n", question.c_str());
        m_console.declined = true;
        return false;
    }
    std::string answer = ReadLine(question + " [y/N] ", false);
    const bool yes = answer == "y" || answer == "Y" || answer == "yes" || answer == "ok" || answer == "OK";
    if (!yes) m_console.declined = true;
    return yes;
}

bool CliInteraction::Confirm(const Message& question)
{
    return AskYesNo(question.text);
}

bool CliInteraction::ConfirmYesNo(const Message& question)
{
    return AskYesNo(question.text);
}

bool CliInteraction::ConfirmAccessMode(LinkState& link)
{
    std::string device = link.kind == LinkKind::Usb ? link.comDevice
                         : link.address.empty()     ? link.selectedUnit
                                                    : link.address;
    std::string text = "Confirm access mode\nAccess mode: ";
    text += link.kind == LinkKind::Usb ? "USB" : "Network";
    text += "\nDevice: " + device + "\nConnect?";
    return AskYesNo(text);
}

bool CliInteraction::AskLogin(std::string& id, std::string& password)
{
    ++m_loginAsked;
    // The first time, take what the options or the environment give.
    if (m_loginAsked == 1 && m_answers.login && m_answers.password) {
        id = *m_answers.login;
        password = *m_answers.password;
        return true;
    }
    if (m_console.inTerminal < 0) {
        if (m_loginAsked == 1) {
            m_console.err << "Login needed: pass --login and --password (or set VOLMAR_PASSWORD).\n";
        }
        return false;
    }
    id = m_answers.login && m_loginAsked == 1 ? *m_answers.login : ReadLine("Login ID: ", false);
    password = ReadLine("Password: ", true);
    return true;
}

void CliInteraction::RunTransfer(const TransferView& view, const std::function<void()>& work)
{
    std::mutex m;
    std::condition_variable cv;
    bool finished = false;
    const auto start = std::chrono::steady_clock::now();
    auto bytes = [&view] { return view.moved ? view.moved() : view.progress(); };
    auto seconds = [&start] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    std::thread worker([&] {
        work();
        std::lock_guard lock(m);
        finished = true;
        cv.notify_one();
    });
    {
        std::unique_lock lock(m);
        // The updating line only on a terminal; a log gets the final line.
        const bool live = !m_answers.quiet && view.progress && m_console.errIsTerminal;
        // The first line after a moment: at the start the counter may still
        // hold the previous transfer's bytes.
        while (!cv.wait_for(lock, std::chrono::milliseconds(200), [&] { return finished; })) {
            if (live) PrintProgress(m_console.err, view, bytes(), seconds(), true);
        }
    }
    worker.join();
    if (!m_answers.quiet && view.progress) {
        PrintProgress(m_console.err, view, bytes(), seconds(), m_console.errIsTerminal);
        m_console.err << "\n";
    }
}

void CliInteraction::Pause(int milliseconds)
{
    if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace volmar::cli
