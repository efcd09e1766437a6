// The key path's way through RegRoutine: a path refused for its format (the message
// box answers at once) and a valid one, read through a fresh object per publication
// as SetBrenvik does.
#include <benchmark/benchmark.h>

#include "app/other_programs.h"
#include "bench/allocation_counter.h"
#include "bench/bench_platform.h"
#include "registry/reg_routine.h"

namespace brenvik::bench {
namespace {

void ReadUserId(benchmark::State& state, const std::u16string& path) {
    BenchPlatform on;
    const std::size_t news = NewCount(), calls = on.api.registry.CallCount();
    for (auto _ : state) {
        registry::RegRoutine accessor({on.api.registry, on.ansi, on.messageBox});
        std::u16string entry(u"" BRENVIK_USER_ID_VALUE);
        benchmark::DoNotOptimize(accessor.GetStringValue(path, entry));
    }
    state.counters["new/op"] =
        benchmark::Counter(double(NewCount() - news), benchmark::Counter::kAvgIterations);
    state.counters["regcalls/op"] = benchmark::Counter(double(on.api.registry.CallCount() - calls),
                                                       benchmark::Counter::kAvgIterations);
}

void BM_ReadOnRefusedPath(benchmark::State& state) {
    ReadUserId(state, u"" BRENVIK_PAGER_KEY_PATH "\\");
}
BENCHMARK(BM_ReadOnRefusedPath);

void BM_ReadOnUnknownRoot(benchmark::State& state) {
    std::u16string path(u"" BRENVIK_PAGER_KEY_PATH);
    path[sizeof "HKEY_CURRENT_USE" - 1] = u'r';
    ReadUserId(state, path);
}
BENCHMARK(BM_ReadOnUnknownRoot);

void BM_ReadOnValidPath(benchmark::State& state) { ReadUserId(state, u"" BRENVIK_PAGER_KEY_PATH); }
BENCHMARK(BM_ReadOnValidPath);

}  // namespace
}  // namespace brenvik::bench
