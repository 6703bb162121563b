// Drawing one month in the perpetual-calendar window (texts, colours, highlight), and the
// month's annotations alone, under the offscreen platform.
#include <benchmark/benchmark.h>

#include "calendar/DateCn.h"
#include "calendar/TFRM_Date.h"

namespace {

void CalendarDrawMonth(benchmark::State& state) {
    TFRM_Date w;
    int month = 0;
    for (auto _ : state) w.DrawMonth({2024, month++ % 12 + 1, 15});
}
BENCHMARK(CalendarDrawMonth)->Unit(benchmark::kMicrosecond);

void CalendarMonthAnnotations(benchmark::State& state) {
    int month = 0;
    for (auto _ : state) {
        const int m = month++ % 12 + 1;
        for (int d = 1; d <= qinghe::DaysInMonth(2024, m); ++d)
            benchmark::DoNotOptimize(qinghe::CalendarCellOf({2024, m, d}));
    }
}
BENCHMARK(CalendarMonthAnnotations)->Unit(benchmark::kMicrosecond);

}  // namespace
