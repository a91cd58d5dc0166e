// The five channel tables of the maximal setting: export, and import of the
// exported tables onto the record.
#include <benchmark/benchmark.h>

#include <string>

#include "RecordFactory.h"
#include "core/sheets/ChannelTable.h"

namespace {

using namespace volmar;

constexpr sheets::ChannelSheet kKinds[] = {sheets::ChannelSheet::Ai, sheets::ChannelSheet::Di,
                                           sheets::ChannelSheet::Pi, sheets::ChannelSheet::Do,
                                           sheets::ChannelSheet::Oi};

void BM_ExportAndImportAllTables(benchmark::State& state)
{
    auto record = testing::MakeMaximalRecord();
    size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (sheets::ChannelSheet kind : kKinds) {
            const std::string csv = sheets::ExportChannelTable(*record, kind);
            bytes += csv.size();
            if (!sheets::ImportChannelTable(*record, csv, kind).empty()) state.SkipWithError("a table was refused");
        }
    }
    state.counters["csv_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ExportAndImportAllTables)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
