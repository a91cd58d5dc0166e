// The five channel tables of the maximal setting: export, and import of the
// exported tables onto the record.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>

#include "RecordFactory.h"
#include "core/sheets/ChannelTable.h"

namespace {

using namespace volmar;

constexpr sheets::ChannelSheet kKinds[] = {sheets::ChannelSheet::Ai, sheets::ChannelSheet::Di,
                                           sheets::ChannelSheet::Pi, sheets::ChannelSheet::Do,
                                           sheets::ChannelSheet::Oi};

// The maximal setting within the editors' rules: names and comments of
// sixteen three-byte characters fill their fields.
std::unique_ptr<SettingRecord> MaximalWithinRules()
{
    auto record = testing::MakeMaximalRecord();
    std::string full;
    for (int i = 0; i < 16; ++i) full += "\xE2\x82\xAC";
    auto fill = [&](auto& channels) {
        for (auto& c : channels) {
            std::memcpy(c.NAME, full.c_str(), full.size() + 1);
            std::memcpy(c.COMMENT, full.c_str(), full.size() + 1);
        }
    };
    fill(record->IO.AI);
    fill(record->IO.DI);
    fill(record->IO.PI);
    fill(record->IO.DO);
    fill(record->IO.OI);
    testing::KeepWithinRules(*record);
    return record;
}

void BM_ExportAndImportAllTables(benchmark::State& state)
{
    auto record = MaximalWithinRules();
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
