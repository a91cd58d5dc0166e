#pragma once
// One operation on many units at once. Each unit gets its own session, link
// state, interaction, deadline and result; network units run on up to
// `jobs` workers at a time, units on one serial device one after another.
// A unit that refuses, stays silent, drops the link or sends garbage ends
// with its own error: its waits end at its deadline at the latest, and the
// other units never wait for it. Memory grows with the jobs (each holds its
// unit's buffers), not with the units (a result each).
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "core/common/Profile.h"
#include "core/fleet/FleetInteraction.h"
#include "core/fleet/FleetUnit.h"
#include "core/link/session/UnitSession.h"
#include "core/link/tcp/Socket.h"
#include "core/link/transfer/LinkContext.h"
#include "core/link/transfer/LinkState.h"

namespace volmar {

struct FleetSettings {
    int jobs = 8;
    // How long one unit may take, from its start to its result.
    std::chrono::milliseconds deadline{60000};
    // The run's port and protocol (kProtocolUnknown: detected per unit).
    int tcpPort = kDefaultTcpPort;
    int protocol = kProtocolUnknown;
    FleetCredentials credentials;
    // The answer to any question a flow asks inside a unit.
    bool answerYes = false;
    SocketTimeouts timeouts;
};

enum class FleetState { Waiting, Running, Succeeded, Failed, Cancelled };

const char* FleetStateName(FleetState state);

struct FleetResult {
    FleetState state = FleetState::Waiting;
    // What ended a failed or cancelled unit.
    std::string error;
    // What the operation found, in its order ("firmware" -> "2.1.300").
    std::vector<std::pair<std::string, std::string>> fields;
    int64_t elapsedMs = 0;

    const std::string* Field(const std::string& key) const;
};

// What an operation works with for one unit, on that unit's worker.
class FleetJob {
public:
    FleetJob(size_t index, const FleetUnit& unit, LinkContext& ctx, FleetResult& result,
             const std::atomic<bool>& cancelled);
    ~FleetJob();
    FleetJob(const FleetJob&) = delete;
    FleetJob& operator=(const FleetJob&) = delete;

    const size_t index;  // the unit's place in the run
    const FleetUnit& unit;
    LinkContext& ctx;
    FleetResult& result;

    // The unit's session (its protocol detected first when the run gives
    // none), made once; null when the unit cannot be reached (its message
    // kept). Cancel reaches it.
    UnitSession* Session();
    bool Cancelled() const { return m_cancelled.load(); }
    void Cancel();

private:
    const std::atomic<bool>& m_cancelled;
    std::mutex m_mutex;
    std::unique_ptr<UnitSession> m_session;
    bool m_made = false;
};

// The operation: true when the unit succeeded. On failure, the last message
// the unit's flows showed is its error.
using FleetOperation = std::function<bool(FleetJob&)>;

class FleetRunner {
public:
    FleetRunner(FleetSettings settings, std::vector<FleetUnit> units);
    ~FleetRunner();
    FleetRunner(const FleetRunner&) = delete;
    FleetRunner& operator=(const FleetRunner&) = delete;

    // Runs the operation on every unit and returns when each has ended.
    // ended is called once per unit as it ends (one call at a time, from a
    // worker, under the runner's lock: it must not call the runner): units
    // never started after Cancel end as cancelled.
    void Run(const FleetOperation& operation, const std::function<void(size_t index, const FleetResult&)>& ended = {});
    // Starts nothing new and stops the running units; any thread may call it.
    void Cancel();

    const std::vector<FleetUnit>& Units() const { return m_units; }
    // Valid after Run.
    const std::vector<FleetResult>& Results() const { return m_results; }
    // The state and progress (bytes done, range) of a unit while it runs.
    FleetState StateOf(size_t index) const;
    std::pair<int64_t, int64_t> ProgressOf(size_t index) const;

private:
    struct Slot;
    void Work(const FleetOperation& operation, Slot& slot);
    void RunUnit(size_t index, const FleetOperation& operation, Slot& slot);
    void End(size_t index, FleetResult result);

    FleetSettings m_settings;
    std::vector<FleetUnit> m_units;
    std::vector<FleetResult> m_results;
    // Unit indices per lane: a network unit alone, a serial device's units
    // in their order.
    std::vector<std::vector<size_t>> m_lanes;
    size_t m_nextLane = 0;
    std::atomic<bool> m_cancelled{false};
    mutable std::mutex m_mutex;  // lanes, results, slots, ended
    std::vector<std::unique_ptr<Slot>> m_slots;
    std::vector<std::atomic<int>> m_states;
    std::function<void(size_t, const FleetResult&)> m_ended;
};

}  // namespace volmar
