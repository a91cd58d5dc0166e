#include "cli/CliInteraction.h"

#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <thread>

#include "link/transfer/LinkState.h"

namespace volmar::cli {
namespace {

bool StdinIsTerminal() { return ::isatty(STDIN_FILENO) == 1; }

// One progress line; on a terminal it overwrites the one before.
void PrintProgress(const TransferView& view, int64_t done, bool live)
{
    int64_t total = view.total > 0 ? view.total : 1;
    if (done > total) done = total;
    int percent = static_cast<int>(done * 100 / total);
    std::fprintf(stderr, "%s%s %s: %3d%%  %lld / %lld bytes%s", live ? "\r" : "", view.send ? "Sending" : "Receiving",
                 view.object.c_str(), percent, static_cast<long long>(done), static_cast<long long>(total),
                 live ? "\033[K" : "");
    std::fflush(stderr);
}

}  // namespace

CliInteraction::CliInteraction(CliAnswers answers) : answers_(std::move(answers)) {}

void CliInteraction::Show(const Message& message)
{
    if (message.icon == MessageIcon::Error || message.icon == MessageIcon::Warning) showedFailure_ = true;
    std::fprintf(stderr, "%s\n", message.text.c_str());
}

std::string CliInteraction::ReadLine(const std::string& prompt, bool hidden)
{
    std::fprintf(stderr, "%s", prompt.c_str());
    std::fflush(stderr);
    termios saved {};
    bool restore = hidden && ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (restore) {
        termios quiet = saved;
        quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    std::string line;
    std::getline(std::cin, line);
    if (restore) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        std::fputs("\n", stderr);
    }
    return line;
}

bool CliInteraction::AskYesNo(const std::string& question)
{
    if (answers_.yes) return true;
    if (!StdinIsTerminal()) {
        std::fprintf(stderr, "%s\n(not confirmed: no terminal to ask; pass --yes to confirm)\n", question.c_str());
        return false;
    }
    std::string answer = ReadLine(question + " [y/N] ", false);
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "ok" || answer == "OK";
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
    ++loginAsked_;
    // The first time, take what the options or the environment give.
    if (loginAsked_ == 1 && answers_.login && answers_.password) {
        id = *answers_.login;
        password = *answers_.password;
        return true;
    }
    if (!StdinIsTerminal()) {
        if (loginAsked_ == 1) {
            std::fputs("Login needed: pass --login and --password (or set VOLMAR_PASSWORD).\n", stderr);
        }
        return false;
    }
    id = answers_.login && loginAsked_ == 1 ? *answers_.login : ReadLine("Login ID: ", false);
    password = ReadLine("Password: ", true);
    return true;
}

void CliInteraction::RunTransfer(const TransferView& view, const std::function<void()>& work)
{
    std::mutex m;
    std::condition_variable cv;
    bool finished = false;
    std::thread worker([&] {
        work();
        std::lock_guard lock(m);
        finished = true;
        cv.notify_one();
    });
    {
        std::unique_lock lock(m);
        // The updating line only on a terminal; a log gets the final line.
        const bool live = !answers_.quiet && view.progress && ::isatty(STDERR_FILENO) == 1;
        while (!finished) {
            if (live) PrintProgress(view, view.progress(), true);
            cv.wait_for(lock, std::chrono::milliseconds(200), [&] { return finished; });
        }
    }
    worker.join();
    if (!answers_.quiet && view.progress) {
        PrintProgress(view, view.progress(), ::isatty(STDERR_FILENO) == 1);
        std::fputs("\n", stderr);
    }
}

void CliInteraction::Pause(int milliseconds)
{
    if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace volmar::cli
