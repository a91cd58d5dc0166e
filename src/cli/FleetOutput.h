#pragma once
// What volmar-cli fleet shows of each unit: a text line or a JSON object as
// it ends, and on a terminal a live table of the run.
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "cli/Console.h"
#include "core/fleet/FleetRunner.h"

namespace volmar::cli {

// One JSON object and its newline: name, address, result, error (unless
// ok), the operation's fields, seconds.
std::string JsonLine(const FleetUnit& unit, const FleetResult& r);
// "NAME  ADDRESS  ok  KEY VALUE ..." or "NAME  ADDRESS  failed: ERROR".
std::string TextLine(const FleetUnit& unit, const FleetResult& r);

// On a terminal, a table on stderr redrawn in place every 200 ms: a line of
// the run (how many units have ended, which run), then one line per unit
// (name, state, progress, result). With more units than the terminal has
// rows, the running and the last ended units and a line of how many are not
// shown. The lines of ended units go to stdout above it.
class LiveTable {
public:
    // on: draw the table (a terminal, no --json, no --quiet); else Print
    // alone works. rows: the terminal's height (0: asked of stderr).
    LiveTable(const FleetRunner& runner, const std::string& operation, Console& console, bool on, int rows = 0);
    ~LiveTable();
    LiveTable(const LiveTable&) = delete;
    LiveTable& operator=(const LiveTable&) = delete;

    // A unit's line on stdout as it ends, with the table out of its way.
    void Print(size_t index, const FleetResult& result, const std::string& line);

private:
    static constexpr size_t kMaxWidth = 199;

    struct Seen {
        FleetState state;
        std::pair<int64_t, int64_t> progress;
    };

    void Clear();
    std::string Header(const std::vector<Seen>& seen) const;
    std::string Row(size_t index, const Seen& seen, size_t nameWidth) const;
    std::vector<std::string> Lines(const std::vector<Seen>& seen) const;
    void Run();

    const FleetRunner& m_runner;
    std::string m_operation;
    Console& m_console;
    size_t m_rows = 24;
    size_t m_width = 79;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    size_t m_drawn = 0;
    std::vector<std::string> m_results;  // by unit, once ended
    std::vector<size_t> m_ended;         // units in the order they ended
    std::thread m_thread;
};

}  // namespace volmar::cli
