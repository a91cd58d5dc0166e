#pragma once
// What volmar-cli fleet shows of each unit: a text line or a JSON object as
// it ends, and on a terminal a live line of the run.
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "cli/Console.h"
#include "core/fleet/FleetRunner.h"

namespace volmar::cli {

// One JSON object and its newline: name, address, result, error (unless
// ok), the operation's fields, seconds.
std::string JsonLine(const FleetUnit& unit, const FleetResult& r);
// "NAME  ADDRESS  ok  KEY VALUE ..." or "NAME  ADDRESS  failed: ERROR".
std::string TextLine(const FleetUnit& unit, const FleetResult& r);

// On a terminal, one line on stderr redrawn every 200 ms: how many units
// have ended and the running ones with the bytes they have moved. The
// lines of ended units go to stdout above it.
class LiveLine {
public:
    // on: draw the line (a terminal, no --json, no --quiet); else Print
    // alone works.
    LiveLine(const FleetRunner& runner, const std::string& operation, Console& console, bool on);
    ~LiveLine();
    LiveLine(const LiveLine&) = delete;
    LiveLine& operator=(const LiveLine&) = delete;

    // A unit's line on stdout, with the live line out of its way.
    void Print(const std::string& line);

private:
    static constexpr size_t kWidth = 79;

    void Clear();
    std::string Text() const;
    void Run();

    const FleetRunner& m_runner;
    std::string m_operation;
    Console& m_console;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    bool m_shown = false;
    std::thread m_thread;
};

}  // namespace volmar::cli
