// Cost of one complete chart report (target under 20 ms): the boy of 1984-06-01 12:00 with all
// its look-ups on the reference files the build wrote (JQ, jiazi, Shishen, hzwh, the
// bone-weight tables), the same on freshly opened connections, and the chart alone.
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "chart/BirthChart.h"
#include "chart/ChartReport.h"
#include "refdata/ReferenceDb.h"

namespace {

void ChartReport1984(benchmark::State& state) {
    const qinghe::BirthMoment in = bench::SampleBirth("0");
    for (auto _ : state) {
        const auto lines = qinghe::ChartReportLines("张", "三", in, 2026);
        if (lines.size() != 66) state.SkipWithError("the report does not have 66 lines");
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(ChartReport1984)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// The same with every connection to the reference files opened anew, as after start-up (the
// translations of the SQL texts stay cached, as they do in the program).
void ChartReport1984FreshConnections(benchmark::State& state) {
    const qinghe::BirthMoment in = bench::SampleBirth("0");
    for (auto _ : state) {
        qinghe::CloseReferenceConnections();
        const auto lines = qinghe::ChartReportLines("张", "三", in, 2026);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(ChartReport1984FreshConnections)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void BirthChart1984(benchmark::State& state) {
    bench::UseBuiltReferenceFiles();
    for (auto _ : state) benchmark::DoNotOptimize(qinghe::BirthChartOf(1984, 6, 1, 12, 0, "男"));
}
BENCHMARK(BirthChart1984)->Unit(benchmark::kMillisecond);

}  // namespace
