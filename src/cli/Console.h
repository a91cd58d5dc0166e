#pragma once
// What a volmar-cli command reads and writes: the process's standard streams
// and terminal, or the strings of a test that runs the command in-process.
// No command touches std::cin, std::cout or std::cerr itself (the terminal
// command's log alone goes to the process's standard output: see
// TerminalCommand.h).
#include <atomic>
#include <istream>
#include <ostream>

namespace volmar::cli {

struct Console {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    // The terminal that in reads from, or -1: questions are asked only on a
    // terminal, and a password is typed there with the echo off.
    int inTerminal = -1;
    // Whether err is a terminal: the progress line then updates in place.
    bool errIsTerminal = false;
    // Whether a question of this run went unconfirmed (answered no, or asked
    // without a terminal and without --yes). Every flow stops at such a
    // question, so the command's failure is that refusal.
    std::atomic<bool> declined{false};
};

// The process's std::cin, std::cout and std::cerr, and its terminals.
Console StandardConsole();

// printf to a stream: the messages keep their formats.
void Print(std::ostream& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace volmar::cli
