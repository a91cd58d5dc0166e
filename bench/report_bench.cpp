// The settings report of the maximal setting (every channel, zone, pen and
// report in use): building the document model, writing the HTML, and the
// PDF through Qt's rich-text engine. The target: build + HTML under 100 ms.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "RecordFactory.h"
#include "pdf/ReportPdf.h"
#include "core/report/ReportBuilder.h"
#include "core/report/ReportHtml.h"
#include "core/settings/Keywords.h"

namespace {

using namespace volmar;

std::unique_ptr<SettingRecord> Maximal()
{
    auto r = testing::MakeMaximalRecord();
    r->RECORD.SPEED = kSpeed1m;  // every channel and pen usable
    return r;
}

void BM_ReportHtml(benchmark::State& state)
{
    auto r = Maximal();
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string html = report::RenderHtml(report::BuildReport(*r, report::MakeHeader("max.xml")));
        bytes = html.size();
        benchmark::DoNotOptimize(html.data());
    }
    state.counters["html_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ReportHtml)->Unit(benchmark::kMillisecond);

void BM_ReportPdf(benchmark::State& state)
{
    auto r = Maximal();
    const std::string html = report::RenderHtml(report::BuildReport(*r, report::MakeHeader("max.xml")));
    std::string pdf;
    for (auto _ : state) {
        pdf::HtmlToPdf(html, "max.xml", pdf);
        benchmark::DoNotOptimize(pdf.data());
    }
    state.counters["pdf_bytes"] = static_cast<double>(pdf.size());
}
BENCHMARK(BM_ReportPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    volmar::pdf::GuiForPdf gui;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
