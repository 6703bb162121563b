// The poetry page's work without its window: loading the whole dynasty and author tree, and
// a generation for 李, girl, two-character names from the whole of 静夜思 and 春晓.
#include <benchmark/benchmark.h>

#include <atomic>

#include "BenchSupport.h"
#include "generation/PoetryGeneration.h"

namespace {

void PoemTreeWhole(benchmark::State& state) {
    bench::UseBuiltReferenceFiles();
    std::size_t authors = 0;
    for (auto _ : state) {
        authors = 0;
        for (const qinghe::PoemDynasty& d : qinghe::LoadPoemTree()) authors += d.authors.size();
    }
    state.counters["authors"] = static_cast<double>(authors);
}
BENCHMARK(PoemTreeWhole)->Unit(benchmark::kMillisecond);

void PoetryNamesLiGirl(benchmark::State& state) {
    bench::UseBuiltReferenceFiles();
    qinghe::PoetrySettings s;
    s.surname = "李";
    s.boy = false;
    s.text =
        "床前明月光，疑是地上霜，\n举头望明月，低头思故乡。\n\n春眠不觉晓，处处闻啼鸟。\n"
        "夜来风雨声，花落知多少。";
    int names = 0;
    for (auto _ : state) {
        std::atomic<bool> flag{true};
        names = qinghe::RunPoetryGeneration(s, flag, [](const qinghe::GeneratedName&) {});
    }
    state.counters["names"] = names;
}
BENCHMARK(PoetryNamesLiGirl)->Unit(benchmark::kMillisecond);

}  // namespace
