// The fleet's live table on a terminal smaller than the run: each frame
// fits the terminal, is erased by exactly as many lines as it drew, and
// shows the running units; no unit's name reaches the terminal as control.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cli/FleetOutput.h"

namespace volmar::cli {
namespace {

using namespace std::chrono_literals;

TEST(LiveTable, FramesFitTheTerminalAndAreErasedLineForLine)
{
    std::vector<FleetUnit> units;
    for (int i = 0; i < 12; ++i) units.push_back({"unit" + std::to_string(i), "10.0.0.1"});
    units[6].name = "evil\033[2J";
    units[7].name = std::string(300, 'L');
    FleetSettings settings;
    settings.jobs = 3;
    FleetRunner runner(settings, units);

    // Units 5 to 7 hold all three workers until the gate opens; the others
    // end at once, the last ones with an error wider than the terminal.
    std::mutex mutex;
    std::condition_variable cv;
    bool open = false;
    const FleetOperation operation = [&](FleetJob& job) {
        if (job.index >= 5 && job.index <= 7) {
            std::unique_lock lock(mutex);
            cv.wait_for(lock, 5s, [&] { return open; });
        }
        if (job.index < 9) return true;
        job.result.error = std::string(200, 'e');
        return false;
    };
    std::istringstream in;
    std::ostringstream out, err;
    Console console{in, out, err};
    {
        LiveTable live(runner, "status", console, true, 8);
        std::thread run([&] {
            runner.Run(operation, [&](size_t index, const FleetResult& r) { live.Print(index, r, "ended\n"); });
        });
        std::this_thread::sleep_for(650ms);
        {
            std::lock_guard lock(mutex);
            open = true;
        }
        cv.notify_all();
        run.join();
    }
    EXPECT_EQ(out.str().size(), std::string("ended\n").size() * units.size());

    // Frames between the erasures "ESC[nA CR ESC[J"; each erasure takes
    // back the frame before it, and the last leaves the terminal clean.
    const std::string text = err.str();
    const std::regex erase("\033\\[([0-9]+)A\r\033\\[J");
    std::vector<std::string> frames;
    std::vector<size_t> erased;
    size_t at = 0;
    for (std::sregex_iterator it(text.begin(), text.end(), erase), end; it != end; ++it) {
        frames.push_back(text.substr(at, static_cast<size_t>(it->position()) - at));
        erased.push_back(std::stoul((*it)[1].str()));
        at = static_cast<size_t>(it->position() + it->length());
    }
    EXPECT_EQ(at, text.size()) << "the table is erased at the end";
    ASSERT_GE(frames.size(), 3u) << "a frame every 200 ms while units run";
    bool sawRunning = false;
    for (size_t i = 0; i < frames.size(); ++i) {
        std::vector<std::string> lines;
        std::istringstream split(frames[i]);
        for (std::string line; std::getline(split, line);) lines.push_back(line);
        if (i == 0 && lines.empty()) continue;  // a unit ended before the first frame
        EXPECT_EQ(lines.size(), erased[i]) << frames[i];
        EXPECT_LE(lines.size(), 7u) << "the header, the units and the row the cursor rests on fit 8 rows";
        for (const std::string& line : lines) {
            EXPECT_LE(line.size(), 79u) << line;
            EXPECT_EQ(line.find('\033'), std::string::npos) << line;
        }
        if (frames[i].find("running: unit5, evil [2J, LLL") != std::string::npos) {
            sawRunning = true;
            EXPECT_NE(frames[i].find("unit5  "), std::string::npos) << frames[i];
            EXPECT_NE(frames[i].find("... and "), std::string::npos) << frames[i];
        }
    }
    EXPECT_TRUE(sawRunning) << text;
}

}  // namespace
}  // namespace volmar::cli
