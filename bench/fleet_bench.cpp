// fleet status of one simulated unit and of 24, side by side in one run: the
// units of a fleet are asked at once (eight at a time), so 24 should take
// well under three times as long as one. Each unit is a simulated unit of
// this process on its own loopback address (127.0.0.x), all on one port.
// BM_FleetStatusCommand times what a user waits for, the whole volmar-cli
// process; BM_FleetStatus the runner alone, which on loopback is CPU work
// shared by the machine's cores.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "Process.h"
#include "ServedUnit.h"
#include "core/fleet/FleetOperations.h"
#include "core/fleet/FleetRunner.h"

namespace {

using namespace volmar;

using test::ServedUnit;

// count simulated units on 127.0.0.100 and up, one port; false when one
// could not listen.
bool ServeUnits(int count, std::vector<std::unique_ptr<ServedUnit>>& served, std::vector<FleetUnit>& units,
                uint16_t& port)
{
    port = 0;
    for (int i = 0; i < count; ++i) {
        const std::string address = "127.0.0." + std::to_string(100 + i);
        served.push_back(std::make_unique<ServedUnit>(address, port));
        if (!served.back()->started) return false;
        port = served.back()->server.Port();
        units.push_back({"unit" + std::to_string(i + 1), address, 0, "", ""});
    }
    return true;
}

void BM_FleetStatusCommand(benchmark::State& state)
{
    std::vector<std::unique_ptr<ServedUnit>> served;
    std::vector<FleetUnit> units;
    uint16_t port = 0;
    if (!ServeUnits(static_cast<int>(state.range(0)), served, units, port)) {
        state.SkipWithError("a simulated unit could not listen");
        return;
    }
    testing::TempDir dir;
    std::vector<std::string> args = {"fleet", "status"};
    for (const FleetUnit& unit : units) args.insert(args.end(), {"--host", unit.address});
    args.insert(args.end(), {"--port", std::to_string(port), "--protocol", "plain", "--login", "kovan", "--yes"});
    const std::vector<std::string> env = {"VOLMAR_PASSWORD=kovan", "VOLMAR_PROFILE=" + dir.File("profile.ini")};
    for (auto _ : state) {
        const testing::ProcessResult r = testing::RunProcess(VOLMAR_CLI_PATH, args, env);
        if (r.exitCode != 0) state.SkipWithError(("volmar-cli failed: " + r.err).c_str());
    }
    state.counters["units"] = static_cast<double>(units.size());
}
BENCHMARK(BM_FleetStatusCommand)->Arg(1)->Arg(24)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FleetStatus(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    std::vector<std::unique_ptr<ServedUnit>> served;
    std::vector<FleetUnit> units;
    uint16_t port = 0;
    if (!ServeUnits(count, served, units, port)) {
        state.SkipWithError("a simulated unit could not listen");
        return;
    }
    FleetSettings settings;
    settings.tcpPort = port;
    settings.protocol = kProtocolPlain;
    settings.deadline = std::chrono::seconds(10);
    settings.credentials = {"kovan", "kovan"};
    for (auto _ : state) {
        FleetRunner runner(settings, units);
        runner.Run(FleetStatusOperation());
        for (const FleetResult& r : runner.Results()) {
            if (r.state != FleetState::Succeeded) state.SkipWithError(("a unit failed: " + r.error).c_str());
        }
    }
    state.counters["units"] = count;
}
BENCHMARK(BM_FleetStatus)->Arg(1)->Arg(24)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
