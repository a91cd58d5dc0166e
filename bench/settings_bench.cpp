// Write, read, compress and decompress of the default and the maximal
// setting, and the reader against bare expat tokenising the same bytes.
#include <benchmark/benchmark.h>
#include <expat.h>

#include <cstring>

#include "RecordFactory.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/ElementLabels.h"
#include "core/settings/Gzlib.h"

namespace {

using namespace volmar;

std::unique_ptr<SettingRecord> Record(bool maximal)
{
    return maximal ? testing::MakeMaximalRecord() : testing::MakeDefaultRecord();
}

void SetBytes(benchmark::State& state, size_t bytes)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["doc_bytes"] = static_cast<double>(bytes);
}

void BM_Write(benchmark::State& state)
{
    auto r = Record(state.range(0) != 0);
    std::string out;
    for (auto _ : state) {
        WriteSettingDocument(*r, out);
        benchmark::DoNotOptimize(out.data());
    }
    SetBytes(state, out.size());
}

void BM_Read(benchmark::State& state)
{
    auto r = Record(state.range(0) != 0);
    std::string doc = WriteSettingDocument(*r);
    auto into = std::make_unique<SettingRecord>();
    for (auto _ : state) {
        ResetSettingRecord(*into);
        int flags = ReadSettingDocument(*into, doc.data(), doc.size());
        if (flags != 0) state.SkipWithError("document not accepted");
    }
    SetBytes(state, doc.size());
}

void XMLCALL NoStart(void*, const XML_Char*, const XML_Char**) {}
void XMLCALL NoEnd(void*, const XML_Char*) {}
void XMLCALL NoText(void*, const XML_Char*, int) {}

// The floor: expat tokenising the same document with empty handlers.
void BM_BareExpat(benchmark::State& state)
{
    auto r = Record(state.range(0) != 0);
    std::string doc = WriteSettingDocument(*r);
    for (auto _ : state) {
        XML_Parser p = XML_ParserCreate(nullptr);
        XML_SetElementHandler(p, NoStart, NoEnd);
        XML_SetCharacterDataHandler(p, NoText);
        XML_Parse(p, doc.data(), static_cast<int>(doc.size()), XML_TRUE);
        XML_ParserFree(p);
    }
    SetBytes(state, doc.size());
}

void BM_Compress(benchmark::State& state)
{
    auto r = Record(state.range(0) != 0);
    std::string doc = WriteSettingDocument(*r);
    CGzlib zip;
    for (auto _ : state) {
        if (!zip.Compress(doc.data(), doc.size())) state.SkipWithError("compress failed");
    }
    SetBytes(state, doc.size());
    state.counters["zip_bytes"] = zip.CompressedLength();
}

void BM_Decompress(benchmark::State& state)
{
    auto r = Record(state.range(0) != 0);
    std::string doc = WriteSettingDocument(*r);
    CGzlib zip, out;
    zip.Compress(doc.data(), doc.size());
    for (auto _ : state) {
        if (!out.Decompress(zip.Compressed(), zip.CompressedLength())) state.SkipWithError("decompress failed");
    }
    SetBytes(state, doc.size());
}

// Arg 0: the default record; 1: the maximal record.
BENCHMARK(BM_Write)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareExpat)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Compress)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decompress)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

// The comparison of two maximal records: one value apart (the whole walk,
// one labelled difference), and a maximal record against a new one (every
// difference labelled).
void BM_CompareSettings(benchmark::State& state)
{
    auto a = testing::MakeMaximalRecord();
    auto b = state.range(0) != 0 ? testing::MakeDefaultRecord() : testing::MakeMaximalRecord();
    if (state.range(0) == 0) b->IO.AI[63].POINT = static_cast<int16_t>((a->IO.AI[63].POINT + 1) % 4);
    size_t differences = 0;
    for (auto _ : state) {
        auto d = CompareSettings(*a, *b);
        differences = d.size();
        benchmark::DoNotOptimize(d.data());
    }
    state.counters["differences"] = static_cast<double>(differences);
}
BENCHMARK(BM_CompareSettings)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
