// Classic generation on the reference files of the program's folder: time to the first
// name of an automatic run for 张 (two-character given names), and a whole run.
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "generation/ClassicGeneration.h"
#include "refdata/ReferenceDb.h"

namespace {

qinghe::ClassicSettings ZhangAutomatic() {
    bench::UseBuiltReferenceFiles();
    return qinghe::AutomaticSettings("张", true, true);
}

void ClassicFirstName(benchmark::State& state) {
    for (auto _ : state) {
        const qinghe::ClassicSettings s = ZhangAutomatic();  // the list is rebuilt too
        std::atomic<bool> flag{true};
        qinghe::ClassicSink sink;
        sink.name = [&](const qinghe::GeneratedName&) { flag = false; };
        qinghe::RunClassicGeneration(s, flag, sink);
    }
}
BENCHMARK(ClassicFirstName)->Unit(benchmark::kMillisecond);

void ClassicWholeAutomaticRun(benchmark::State& state) {
    const qinghe::ClassicSettings s = ZhangAutomatic();
    int names = 0;
    for (auto _ : state) {
        std::atomic<bool> flag{true};
        names = qinghe::RunClassicGeneration(s, flag, {});
    }
    state.counters["names"] = names;
}
BENCHMARK(ClassicWholeAutomaticRun)->Unit(benchmark::kMillisecond);

}  // namespace
