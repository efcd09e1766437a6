// Reading the refresh interval from the text box, for texts of each kind.
#include <benchmark/benchmark.h>
#include <string>

#include "app/refresh_interval.h"

namespace brenvik::bench {
namespace {

void BM_RefreshInterval(benchmark::State& state, std::u16string text) {
    for (auto _ : state) benchmark::DoNotOptimize(RefreshIntervalMilliseconds(text));
}
BENCHMARK_CAPTURE(BM_RefreshInterval, plain, std::u16string(u"3"));
BENCHMARK_CAPTURE(BM_RefreshInterval, fraction_and_words, std::u16string(u"  2.5 seconds"));
BENCHMARK_CAPTURE(BM_RefreshInterval, letters, std::u16string(u"abc"));
BENCHMARK_CAPTURE(BM_RefreshInterval, long_digits, std::u16string(400, u'9'));

}  // namespace
}  // namespace brenvik::bench
