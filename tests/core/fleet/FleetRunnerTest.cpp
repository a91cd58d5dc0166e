// The fleet runner against simulated units served in this process on their
// own loopback addresses (127.0.0.x, one port): good units, one that refuses
// the login, one that never answers, and Cancel.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pty.h>
#include <sys/socket.h>

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "ServedUnit.h"
#include "SilentListener.h"
#include "core/common/UniqueFd.h"
#include "core/fleet/FleetOperations.h"
#include "core/fleet/FleetRunner.h"
#include "core/link/transfer/UnitMessages.h"
#include "sim/serial/PtyServer.h"
#include "sim/tcp/PlainTcpServer.h"
#include "sim/unit/SimUnit.h"

namespace volmar {
namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

using test::ServedUnit;

FleetSettings Settings(uint16_t port, int jobs, std::chrono::milliseconds deadline)
{
    FleetSettings s;
    s.jobs = jobs;
    s.deadline = deadline;
    s.tcpPort = port;
    s.protocol = kProtocolPlain;
    s.credentials = {"kovan", "kovan"};
    return s;
}

TEST(FleetRunner, EachUnitEndsWithItsOwnResultAndASilentOneCostsOnlyItsDeadline)
{
    auto first = std::make_unique<ServedUnit>("127.0.0.31", 0);
    ASSERT_TRUE(first->started);
    const uint16_t port = first->server.Port();
    sim::SimUnitOptions refusing;
    refusing.refuseLogin = true;
    ServedUnit second("127.0.0.32", port), third("127.0.0.34", port), refuser("127.0.0.33", port, refusing);
    ASSERT_TRUE(second.started && third.started && refuser.started);
    const UniqueFd silent = test::SilentListener("127.0.0.35", port);
    ASSERT_TRUE(silent.Valid());

    std::vector<FleetUnit> units = {{"a", "127.0.0.31"},
                                    {"silent", "127.0.0.35"},
                                    {"b", "127.0.0.32"},
                                    {"refuses", "127.0.0.33"},
                                    {"c", "127.0.0.34"}};
    constexpr auto kDeadline = 1500ms;
    // Two workers: while one waits out the silent unit, the other serves
    // the rest.
    FleetRunner runner(Settings(port, 2, kDeadline), units);
    std::vector<std::string> endedOrder;
    const auto start = SteadyClock::now();
    runner.Run(FleetStatusOperation(), [&](size_t i, const FleetResult&) { endedOrder.push_back(units[i].name); });
    const auto took = SteadyClock::now() - start;

    const auto& results = runner.Results();
    for (size_t i : {0u, 2u, 4u}) {
        EXPECT_EQ(results[i].state, FleetState::Succeeded) << units[i].name << ": " << results[i].error;
        ASSERT_NE(results[i].Field("firmware"), nullptr);
        EXPECT_EQ(*results[i].Field("firmware"), "2.1.300");
        EXPECT_EQ(*results[i].Field("device_code"), "0x29");
    }
    EXPECT_EQ(results[3].state, FleetState::Failed);
    EXPECT_EQ(results[3].error, kMsgPasswordIncorrect);
    EXPECT_EQ(results[1].state, FleetState::Failed);
    EXPECT_EQ(results[1].error, "No result within the unit's deadline of 1.5 s.");
    EXPECT_GE(results[1].elapsedMs, 1400);
    EXPECT_LE(results[1].elapsedMs, 1900) << "the silent unit costs its deadline, not the sockets' time-outs";
    EXPECT_LT(took, kDeadline + 1000ms) << "the other units ran beside the silent one";
    ASSERT_EQ(endedOrder.size(), units.size());
    EXPECT_EQ(endedOrder.back(), "silent");
}

TEST(FleetRunner, UnitsOnOneSerialPortTakeTurns)
{
    sim::SimUnit serialUnit;
    sim::PtyServer pty(serialUnit.Link(sim::UnitLink::Serial));
    int error = 0;
    ASSERT_TRUE(pty.Start(error)) << error;
    ServedUnit network("127.0.0.38", 0);
    ASSERT_TRUE(network.started);

    std::vector<FleetUnit> units = {
        {"first", "", 0, "", pty.SlavePath()}, {"second", "", 0, "", pty.SlavePath()}, {"net", "127.0.0.38"}};
    FleetRunner runner(Settings(network.server.Port(), 3, 10s), units);
    std::mutex mutex;
    std::vector<std::pair<std::string, bool>> events;  // name, start (true) or end
    const FleetOperation status = FleetStatusOperation();
    runner.Run([&](FleetJob& job) {
        {
            std::lock_guard lock(mutex);
            events.emplace_back(job.unit.name, true);
        }
        const bool ok = status(job);
        std::lock_guard lock(mutex);
        events.emplace_back(job.unit.name, false);
        return ok;
    });

    for (size_t i = 0; i < units.size(); ++i)
        EXPECT_EQ(runner.Results()[i].state, FleetState::Succeeded)
            << units[i].name << ": " << runner.Results()[i].error;
    // The two serial units never overlap: the second starts after the first ended.
    std::vector<std::pair<std::string, bool>> serial;
    for (const auto& e : events)
        if (e.first != "net") serial.push_back(e);
    EXPECT_EQ(serial, (std::vector<std::pair<std::string, bool>>{
                          {"first", true}, {"first", false}, {"second", true}, {"second", false}}));
}

TEST(FleetRunner, CancelStartsNothingNewAndEndsTheRunningUnitsAtOnce)
{
    const UniqueFd one = test::SilentListener("127.0.0.36", 0);
    ASSERT_TRUE(one.Valid());
    sockaddr_in sa{};
    socklen_t len = sizeof sa;
    getsockname(one.Get(), reinterpret_cast<sockaddr*>(&sa), &len);
    const uint16_t port = ntohs(sa.sin_port);
    const UniqueFd two = test::SilentListener("127.0.0.37", port);
    ASSERT_TRUE(two.Valid());

    std::vector<FleetUnit> units = {
        {"one", "127.0.0.36"}, {"two", "127.0.0.37"}, {"later", "127.0.0.36"}, {"never", "127.0.0.37"}};
    FleetRunner runner(Settings(port, 2, 30s), units);
    std::thread canceller([&] {
        // Bounded: the two silent units are running by then or soon after.
        for (int i = 0;
             i < 200 && (runner.StateOf(0) != FleetState::Running || runner.StateOf(1) != FleetState::Running); ++i)
            std::this_thread::sleep_for(10ms);
        std::this_thread::sleep_for(100ms);
        runner.Cancel();
    });
    const auto start = SteadyClock::now();
    runner.Run(FleetStatusOperation());
    const auto took = SteadyClock::now() - start;
    canceller.join();

    EXPECT_LT(took, 3s) << "Cancel ended the sessions waiting on silent units";
    const auto& results = runner.Results();
    EXPECT_EQ(results[0].state, FleetState::Cancelled);
    EXPECT_EQ(results[0].error, "Cancelled.");
    EXPECT_EQ(results[1].state, FleetState::Cancelled);
    for (size_t i : {2u, 3u}) {
        EXPECT_EQ(results[i].state, FleetState::Cancelled);
        EXPECT_EQ(results[i].error, "Cancelled before it started.");
    }
}

TEST(FleetRunner, ASilentSerialUnitEndsAtItsDeadlineOrOnCancel)
{
    // Two serial ports nobody answers on (pseudo-terminals held open), each
    // its own lane: the line's retries would wait 15 s.
    int masters[2] = {-1, -1}, slaves[2] = {-1, -1};
    char names[2][64] = {};
    for (int i = 0; i < 2; ++i) ASSERT_EQ(::openpty(&masters[i], &slaves[i], names[i], nullptr, nullptr), 0);
    const UniqueFd m0(masters[0]), m1(masters[1]), s0(slaves[0]), s1(slaves[1]);
    const std::vector<FleetUnit> units = {{"wired", "", 0, "", names[0]}, {"bench", "", 0, "", names[1]}};

    FleetRunner expiring(Settings(0, 2, 1500ms), units);
    auto start = SteadyClock::now();
    expiring.Run(FleetStatusOperation());
    EXPECT_LT(SteadyClock::now() - start, 2500ms) << "the deadline, not the line's retries";
    for (const FleetResult& r : expiring.Results())
        EXPECT_EQ(r.error, "No result within the unit's deadline of 1.5 s.");

    FleetRunner cancelled(Settings(0, 2, 60s), units);
    std::thread canceller([&] {
        std::this_thread::sleep_for(300ms);
        cancelled.Cancel();
    });
    start = SteadyClock::now();
    cancelled.Run(FleetStatusOperation());
    canceller.join();
    EXPECT_LT(SteadyClock::now() - start, 1500ms);
    for (const FleetResult& r : cancelled.Results()) EXPECT_EQ(r.state, FleetState::Cancelled) << r.error;
}

}  // namespace
}  // namespace volmar
