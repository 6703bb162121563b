// Cost of one complete name-page report (target under 30 ms): 王小明, born 1984-06-01 12:30,
// chart section included, on the reference files the build wrote; and the window's report.
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "numerology/NameReport.h"

namespace {

qinghe::BirthMoment Birth() {
    return bench::SampleBirth("30");
}

void NamePageReport(benchmark::State& state) {
    const qinghe::BirthMoment in = Birth();
    for (auto _ : state) {
        const auto lines = qinghe::NamePageReportLines("王", "小明", in, 2026);
        if (lines.size() != 55) state.SkipWithError("the report does not have 55 lines");
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(NamePageReport)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void NameWindowReport(benchmark::State& state) {
    const qinghe::BirthMoment in = Birth();
    for (auto _ : state) {
        const auto lines = qinghe::NameWindowReportLines("王", "小明", in, 2026);
        if (lines.size() != 43) state.SkipWithError("the report does not have 43 lines");
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(NameWindowReport)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace
