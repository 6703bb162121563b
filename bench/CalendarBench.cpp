// Cost of the calendar: every day from 1900-01-31 to 2100-12-31 converted to its lunar date
// (target under 50 ms for the whole range), all 4,824 exact solar-term moments 1900-2100 (the
// JQ table the build writes), and one evaluation of the sun's apparent longitude.
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "calendar/Almanac.h"
#include "calendar/LunarCalendar.h"
#include "calendar/SolarAstronomy.h"

namespace {

void LunarSweep1900To2100(benchmark::State& state) {
    const int first = qinghe::DaysFromCivil(1900, 1, 31),
              last = qinghe::DaysFromCivil(2100, 12, 31);
    for (auto _ : state) {
        int sum = 0;
        for (int day = first; day <= last; ++day) sum += qinghe::SolarToLunarDays(day).Day;
        benchmark::DoNotOptimize(sum);
    }
    state.counters["days"] = last - first + 1;
}
BENCHMARK(LunarSweep1900To2100)->Unit(benchmark::kMillisecond);

void LunarRoundTrip1900To2100(benchmark::State& state) {
    const int first = qinghe::DaysFromCivil(1901, 1, 1), last = qinghe::DaysFromCivil(2099, 12, 31);
    for (auto _ : state) {
        int sum = 0;
        for (int day = first; day <= last; ++day)
            sum += qinghe::LunarToSolar(qinghe::SolarToLunarDays(day)).day;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(LunarRoundTrip1900To2100)->Unit(benchmark::kMillisecond);

void AllSolarTermMoments1900To2100(benchmark::State& state) {
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (int year = 1900; year <= 2100; ++year)
            for (int n = 0; n < 24; ++n) sum += qinghe::astro::ExactSolarTermMoment(year, n).ms;
        benchmark::DoNotOptimize(sum);
    }
    state.counters["terms"] = 201 * 24;
}
BENCHMARK(AllSolarTermMoments1900To2100)->Unit(benchmark::kMillisecond);

void SunApparentLongitude(benchmark::State& state) {
    double jde = 2451545.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qinghe::astro::SunApparentLongitude(jde));
        jde += 0.37;
    }
}
BENCHMARK(SunApparentLongitude);

}  // namespace

namespace {

// One look-up of the almanac window: checks, the query on huangdao, the nine lines.
void AlmanacLookup(benchmark::State& state) {
    bench::UseBuiltReferenceFiles();
    for (auto _ : state) benchmark::DoNotOptimize(qinghe::AlmanacOf("2024", "02", "10"));
}
BENCHMARK(AlmanacLookup)->Unit(benchmark::kMicrosecond);

}  // namespace
