#include "core/fleet/FleetRunner.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <thread>

#include "core/link/session/SessionFactory.h"

namespace volmar {
namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr int kMaxJobs = 64;

}  // namespace

const char* FleetStateName(FleetState state)
{
    switch (state) {
    case FleetState::Waiting: return "waiting";
    case FleetState::Running: return "running";
    case FleetState::Succeeded: return "ok";
    case FleetState::Failed: return "failed";
    case FleetState::Cancelled: return "cancelled";
    }
    return "";
}

const std::string* FleetResult::Field(const std::string& key) const
{
    for (const auto& [k, v] : fields)
        if (k == key) return &v;
    return nullptr;
}

FleetJob::FleetJob(size_t i, const FleetUnit& u, LinkContext& c, FleetResult& r, const std::atomic<bool>& cancelled)
    : index(i), unit(u), ctx(c), result(r), m_cancelled(cancelled)
{}

FleetJob::~FleetJob() = default;

UnitSession* FleetJob::Session()
{
    if (!m_made) {
        m_made = true;
        auto session = Cancelled() ? nullptr : MakeUnitSession(ctx);
        std::lock_guard lock(m_mutex);
        m_session = std::move(session);
        if (m_session && Cancelled()) m_session->Cancel();
    }
    return m_session.get();
}

void FleetJob::Cancel()
{
    std::lock_guard lock(m_mutex);
    if (m_session) m_session->Cancel();
}

// What Cancel reaches of the unit a worker runs now.
struct FleetRunner::Slot {
    SocketStop* stop = nullptr;
    FleetJob* job = nullptr;
    FleetInteraction* ui = nullptr;
    size_t unit = SIZE_MAX;
};

FleetRunner::FleetRunner(FleetSettings settings, std::vector<FleetUnit> units)
    : m_settings(std::move(settings)), m_units(std::move(units)), m_results(m_units.size()), m_states(m_units.size())
{
    std::map<std::string, size_t> serialLanes;
    for (size_t i = 0; i < m_units.size(); ++i) {
        const std::string& device = m_units[i].serialDevice;
        if (device.empty()) {
            m_lanes.push_back({i});
            continue;
        }
        auto [it, added] = serialLanes.emplace(device, m_lanes.size());
        if (added) m_lanes.emplace_back();
        m_lanes[it->second].push_back(i);
    }
}

FleetRunner::~FleetRunner() = default;

FleetState FleetRunner::StateOf(size_t index) const
{
    return static_cast<FleetState>(m_states.at(index).load());
}

std::pair<int64_t, int64_t> FleetRunner::ProgressOf(size_t index) const
{
    std::lock_guard lock(m_mutex);
    for (const auto& slot : m_slots)
        if (slot->unit == index && slot->ui) return slot->ui->Progress();
    return {0, 0};
}

void FleetRunner::Cancel()
{
    m_cancelled = true;
    std::lock_guard lock(m_mutex);
    for (const auto& slot : m_slots) {
        if (slot->job) slot->job->Cancel();
        if (slot->stop) slot->stop->Stop();
    }
}

void FleetRunner::Run(const FleetOperation& operation, const std::function<void(size_t, const FleetResult&)>& ended)
{
    const size_t jobs = std::min<size_t>(std::clamp(m_settings.jobs, 1, kMaxJobs), m_lanes.size());
    {
        std::lock_guard lock(m_mutex);
        m_ended = ended;
        m_nextLane = 0;
        m_slots.clear();
        for (size_t i = 0; i < jobs; ++i) m_slots.push_back(std::make_unique<Slot>());
    }
    std::vector<std::thread> workers;
    workers.reserve(jobs);
    for (size_t i = 0; i < jobs; ++i)
        workers.emplace_back([this, &operation, slot = m_slots[i].get()] { Work(operation, *slot); });
    // Each worker ends when the lanes run out; each unit ends by its
    // deadline, so these joins are bounded.
    for (std::thread& t : workers) t.join();
    for (size_t i = 0; i < m_units.size(); ++i) {
        if (StateOf(i) != FleetState::Waiting) continue;
        FleetResult cancelled;
        cancelled.state = FleetState::Cancelled;
        cancelled.error = "Cancelled before it started.";
        End(i, std::move(cancelled));
    }
    std::lock_guard lock(m_mutex);
    m_ended = nullptr;
}

void FleetRunner::Work(const FleetOperation& operation, Slot& slot)
{
    for (;;) {
        std::vector<size_t> lane;
        {
            std::lock_guard lock(m_mutex);
            if (m_cancelled || m_nextLane >= m_lanes.size()) return;
            lane = m_lanes[m_nextLane++];
        }
        for (size_t index : lane) {
            if (m_cancelled) return;
            RunUnit(index, operation, slot);
        }
    }
}

void FleetRunner::RunUnit(size_t index, const FleetOperation& operation, Slot& slot)
{
    const FleetUnit& unit = m_units[index];
    const auto start = SteadyClock::now();
    SocketStop stop;
    stop.SetDeadline(start + m_settings.deadline);

    LinkState link;
    if (unit.serialDevice.empty()) {
        link.kind = LinkKind::Network;
        link.address = unit.address;
        link.tcpPort = unit.port != 0 ? unit.port : m_settings.tcpPort;
        link.protocol = m_settings.protocol;
    } else {
        link.kind = LinkKind::Usb;
        link.comDevice = unit.serialDevice;
    }
    FleetCredentials credentials = m_settings.credentials;
    if (!unit.login.empty()) credentials.login = unit.login;
    FleetInteraction ui(credentials, m_settings.answerYes, stop);
    MemoryProfile profile;
    LinkOptions options;
    options.timeouts = m_settings.timeouts;
    options.timeouts.stop = &stop;
    LinkContext ctx{link, ui, profile, options};
    FleetResult result;
    FleetJob job(index, unit, ctx, result, m_cancelled);
    {
        std::lock_guard lock(m_mutex);
        slot = Slot{&stop, &job, &ui, index};
        m_states[index] = static_cast<int>(FleetState::Running);
        if (m_cancelled) stop.Stop();
    }
    const bool ok = operation(job);
    {
        std::lock_guard lock(m_mutex);
        slot = Slot{};
    }
    result.elapsedMs = std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - start).count();
    if (ok) {
        // Whatever the operation did is done, Cancel or not.
        result.state = FleetState::Succeeded;
    } else if (m_cancelled) {
        result.state = FleetState::Cancelled;
        result.error = "Cancelled.";
    } else {
        result.state = FleetState::Failed;
        if (stop.Expired()) {
            char seconds[32];
            std::snprintf(seconds, sizeof seconds, "%g", static_cast<double>(m_settings.deadline.count()) / 1000);
            result.error = std::string("No result within the unit's deadline of ") + seconds + " s.";
        } else {
            const Message last = ui.LastMessage();
            result.error = last.text.empty() ? "The operation failed." : last.text;
        }
    }
    End(index, std::move(result));
}

void FleetRunner::End(size_t index, FleetResult result)
{
    std::lock_guard lock(m_mutex);
    m_states[index] = static_cast<int>(result.state);
    m_results[index] = std::move(result);
    if (m_ended) m_ended(index, m_results[index]);
}

}  // namespace volmar
