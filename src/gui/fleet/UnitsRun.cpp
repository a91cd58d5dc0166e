#include "gui/fleet/UnitsRun.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "gui/common/WindowThread.h"

namespace volmar::gui {

// What the worker and the window share; the worker keeps it alive as long
// as it runs, even past a run that stopped waiting for it.
struct UnitsRun::Shared {
    Shared(FleetSettings settings, std::vector<FleetUnit> units) : runner(std::move(settings), std::move(units)) {}

    FleetRunner runner;
    mutable std::mutex mutex;
    std::condition_variable cv;
    bool done = false;
    std::thread worker;
};

UnitsRun::UnitsRun(FleetSettings settings, std::vector<FleetUnit> units, FleetOperation operation, Ended ended,
                   Finished finished)
    : m_shared(std::make_shared<Shared>(std::move(settings), std::move(units))), m_alive(std::make_shared<int>(0))
{
    std::weak_ptr<int> alive = m_alive;
    m_shared->worker = std::thread([shared = m_shared, alive, operation = std::move(operation),
                                    ended = std::move(ended), finished = std::move(finished)] {
        shared->runner.Run(operation, [&](size_t index, const FleetResult& result) {
            PostToWindows([alive, ended, index, result] {
                if (alive.lock()) ended(index, result);
            });
        });
        PostToWindows([alive, finished, results = shared->runner.Results()] {
            if (alive.lock()) finished(results);
        });
        std::lock_guard lock(shared->mutex);
        shared->done = true;
        shared->cv.notify_all();
    });
}

UnitsRun::~UnitsRun()
{
    Stop();
}

bool UnitsRun::Stop()
{
    if (m_stopped) return m_ended;
    m_stopped = true;
    m_alive.reset();
    m_shared->runner.Cancel();
    std::unique_lock lock(m_shared->mutex);
    m_ended = m_shared->cv.wait_for(lock, std::chrono::milliseconds(kStopWaitMs), [this] { return m_shared->done; });
    lock.unlock();
    // A unit stuck past every time-out keeps the worker: it ends on its own
    // with what it shares, and nothing it posts reaches a window.
    if (m_ended)
        m_shared->worker.join();
    else
        m_shared->worker.detach();
    return m_ended;
}

const std::vector<FleetResult>& UnitsRun::Results() const
{
    return m_shared->runner.Results();
}

void UnitsRun::Cancel()
{
    m_shared->runner.Cancel();
}

bool UnitsRun::Working() const
{
    std::lock_guard lock(m_shared->mutex);
    return !m_shared->done;
}

FleetState UnitsRun::StateOf(size_t index) const
{
    return m_shared->runner.StateOf(index);
}

std::pair<int64_t, int64_t> UnitsRun::ProgressOf(size_t index) const
{
    return m_shared->runner.ProgressOf(index);
}

}  // namespace volmar::gui
