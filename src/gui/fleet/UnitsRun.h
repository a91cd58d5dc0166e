#pragma once
// One run of the Units window: a FleetRunner on a worker thread of its own,
// so that the window (and every other window) stays usable while the units
// are reached. Each unit's result comes back to the window's thread through
// the window-thread mailbox as that unit ends, and the end of the run after
// the last one. Going away cancels the run and waits for its workers (at
// most kStopWaitMs); nothing posted by a run that is gone reaches the window.
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "core/fleet/FleetRunner.h"

namespace volmar::gui {

class UnitsRun {
public:
    // Both are called on the window's thread.
    using Ended = std::function<void(size_t index, const FleetResult& result)>;
    using Finished = std::function<void(const std::vector<FleetResult>& results)>;

    // How long going away waits for the cancelled units to end.
    static constexpr int kStopWaitMs = 15000;

    // Starts the operation on the units at once.
    UnitsRun(FleetSettings settings, std::vector<FleetUnit> units, FleetOperation operation, Ended ended,
             Finished finished);
    ~UnitsRun();
    UnitsRun(const UnitsRun&) = delete;
    UnitsRun& operator=(const UnitsRun&) = delete;

    // Starts no unit more and ends the running ones; their results follow.
    void Cancel();
    // Cancels, stops posting to the window and waits for the worker (at
    // most kStopWaitMs): true when it ended, Results() then holding every
    // unit's result. Going away does this.
    bool Stop();
    // Valid once Stop() returned true.
    const std::vector<FleetResult>& Results() const;
    // Until the worker has returned (the last result may still be on its
    // way to the window).
    bool Working() const;
    // What the unit is doing now and its transfer's bytes done and range.
    FleetState StateOf(size_t index) const;
    std::pair<int64_t, int64_t> ProgressOf(size_t index) const;

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
    // Lives as long as this run: what the worker posts checks it on the
    // window's thread.
    std::shared_ptr<int> m_alive;
    bool m_stopped = false;
    bool m_ended = false;
};

}  // namespace volmar::gui
