// Transfer throughput of the three links against the simulator's unit side:
// 2 MiB get and put over loopback (plain and encrypted), and payload
// throughput through a pseudo-terminal with the unit pacing its bytes at the
// line rate (38400 baud 8N1). The paced runs take about a minute each and
// are left out of the quick CI run (filter "-Paced").
#include <benchmark/benchmark.h>

#include <vector>

#include "FakeUnitModel.h"
#include "PtyUnit.h"
#include "core/link/cipher/CipherLink.h"
#include "core/link/serial/ComPort.h"
#include "core/link/serial/Frame.h"
#include "core/link/tcp/TcpTransport.h"
#include "sim/cipher/CipherServer.h"
#include "sim/tcp/PlainTcpServer.h"

namespace {

using namespace volmar;

constexpr size_t kTwoMiB = 2u << 20;

std::vector<uint8_t> Pattern(size_t n)
{
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(i * 31 + (i >> 9));
    return v;
}

void BM_PlainGet(benchmark::State& state)
{
    test::FakeUnitModel model;
    model.objects["CONFIG_P"] = Pattern(kTwoMiB);
    sim::PlainTcpServer server(model);
    server.Start(0);
    TcpTarget target{"127.0.0.1", server.Port(), model.loginId, model.password, {}};
    std::vector<uint8_t> buf(kTwoMiB);
    for (auto _ : state) {
        TcpCallState call;
        if (TcpGetObject(target, "CONFIG_P", buf, call) != static_cast<int>(kTwoMiB)) state.SkipWithError("get failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kTwoMiB));
}

void BM_PlainPut(benchmark::State& state)
{
    test::FakeUnitModel model;
    sim::PlainTcpServer server(model);
    server.Start(0);
    TcpTarget target{"127.0.0.1", server.Port(), model.loginId, model.password, {}};
    std::vector<uint8_t> data = Pattern(kTwoMiB);
    char message[kTcpMessageCapacity];
    for (auto _ : state) {
        TcpCallState call;
        if (TcpPutObject(target, "CONFIG_P", data, message, call) != 0) state.SkipWithError("put failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kTwoMiB));
}

// One encrypted operation: connect, hello, login, then the transfer.
template <typename Op>
bool CipherOperation(uint16_t port, const test::FakeUnitModel& model, Op op)
{
    CCipherLink link(port);
    return link.Connect("127.0.0.1") && link.Hello(true, model.password) && link.Login(model.loginId, model.password) &&
           op(link);
}

void BM_CipherGet(benchmark::State& state)
{
    test::FakeUnitModel model;
    model.objects["CONFIG_P"] = Pattern(kTwoMiB);
    sim::CipherServer server(model);
    server.Start(0);
    std::vector<uint8_t> buf(kTwoMiB);
    for (auto _ : state) {
        bool ok = CipherOperation(server.Port(), model, [&](CCipherLink& link) {
            size_t received = 0;
            return link.Get("CONFIG_P", buf, received) && received == kTwoMiB;
        });
        if (!ok) state.SkipWithError("get failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kTwoMiB));
}

void BM_CipherPut(benchmark::State& state)
{
    test::FakeUnitModel model;
    sim::CipherServer server(model);
    server.Start(0);
    std::vector<uint8_t> data = Pattern(kTwoMiB);
    char message[kTcpMessageCapacity];
    for (auto _ : state) {
        bool ok = CipherOperation(server.Port(), model, [&](CCipherLink& link) {
            int code = 0;
            return link.Put("CONFIG_P", data, code, message);
        });
        if (!ok) state.SkipWithError("put failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kTwoMiB));
}

// Serial get or put of state.range(0) bytes; range(1) paces the unit.
void SerialTransfer(benchmark::State& state, bool put)
{
    const size_t size = static_cast<size_t>(state.range(0));
    sim::SerialFaultPlan plan;
    plan.paceAtLineRate = state.range(1) != 0;
    test::FakeUnitModel model;
    model.SetObject("CONFIG_P", Pattern(size));
    model.QueueResult({2, 0, ""});
    test::PtyUnit unit(model, plan);
    std::vector<uint8_t> buf(size), data = Pattern(size);
    const uint8_t name[] = {'C', 'O', 'N', 'F', 'I', 'G', '_', 'P'};
    for (auto _ : state) {
        CComPort port;
        if (!port.Open(unit.SlavePath()).ok) {
            state.SkipWithError("cannot open the pseudo-terminal");
            break;
        }
        size_t received = 0;
        bool ok = put ? port.Send(name, sizeof name, data.data(), data.size())
                      : port.Request(kCmdGet, name, sizeof name, kCmdGetReply, buf.data(), buf.size(), received) &&
                            received == size;
        if (!ok) state.SkipWithError("transfer failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
    // The payload capacity of 38400 baud 8N1 with 1024-byte blocks in
    // 1033-byte frames; the target is 90 % of it.
    const double capacity = 3840.0 * 1024.0 / 1033.0;
    // Shown as a rate: the percentage of that capacity reached.
    state.counters["pct_of_line"] = benchmark::Counter(
        100.0 * static_cast<double>(state.iterations() * size) / capacity, benchmark::Counter::kIsRate);
}

void BM_SerialGet(benchmark::State& state) { SerialTransfer(state, false); }
void BM_SerialPut(benchmark::State& state) { SerialTransfer(state, true); }

BENCHMARK(BM_PlainGet)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainPut)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CipherGet)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CipherPut)->Unit(benchmark::kMillisecond)->UseRealTime();
// Unpaced: the protocol's own cost through a pseudo-terminal.
BENCHMARK(BM_SerialGet)->Args({256 << 10, 0})->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_SerialPut)->Args({256 << 10, 0})->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
// Paced at the line rate: about 70 s each.
BENCHMARK(BM_SerialGet)->Name("BM_SerialPacedGet")->Args({256 << 10, 1})->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_SerialPut)->Name("BM_SerialPacedPut")->Args({256 << 10, 1})->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
