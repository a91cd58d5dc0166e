#pragma once
// The serial side of a unit with SW1 on: instead of the block protocol the
// pseudo-terminal carries a text log. The player writes the lines of a log
// (each with the line end it has in the file) at a given rate, once or over
// and over, and throws away whatever the tool sends.
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "sim/serial/PseudoTerminal.h"

namespace volmar::sim {

struct TextLogOptions {
    std::vector<std::string> lines;
    int linesPerSecond = 10;  // 0: as fast as the line takes them
    bool repeat = false;
};

// Cuts text into lines that keep their line ends; a last line without one
// is kept as it is.
std::vector<std::string> SplitLogLines(const std::string& text);

class TextLogPlayer {
public:
    explicit TextLogPlayer(TextLogOptions options) : m_options(std::move(options)) {}
    ~TextLogPlayer() { Stop(); }
    TextLogPlayer(const TextLogPlayer&) = delete;
    TextLogPlayer& operator=(const TextLogPlayer&) = delete;

    // Opens the pseudo-terminal and starts playing; on failure false with
    // the errno in error.
    bool Start(int& error);
    const std::string& SlavePath() const { return m_pty.slavePath; }
    // Stops playing, joins the thread and closes the pseudo-terminal.
    void Stop();

private:
    void Play();
    // Writes bytes, waiting while the line is full; false when stopped.
    bool WriteAll(const std::string& bytes);
    void DiscardInput();

    const TextLogOptions m_options;
    PseudoTerminal m_pty;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

}  // namespace volmar::sim
