// The refresh tick: with nothing new to publish (the common case, every few seconds
// for as long as a song plays) and with a new title that goes out to the messenger.
#include <benchmark/benchmark.h>

#include "app/form1.h"
#include "app/form1_controls.h"
#include "app/other_programs.h"
#include "bench/allocation_counter.h"
#include "bench/bench_platform.h"
#include "forms/sim/sim_form.h"
#include "forms/sim/sim_forms.h"

namespace brenvik::bench {
namespace {

using form1::Control;

// A prefix and a title of everyday length, both beyond the short-string buffer.
constexpr char16_t kPrefix[] = u"Listening to: ";
constexpr char kTitleA[] = "12. Some Artist - A Song Title - Winamp";
constexpr char kTitleB[] = "13. Some Artist - Another Song - Winamp";

struct RunningForm1 {
    RunningForm1() {
        player = on.api.windows.Create(BRENVIK_PLAYER_WINDOW_CLASS, kTitleA);
        on.api.windows.Create(BRENVIK_MESSENGER_WINDOW_CLASS, "");
        runtime.LoadedForm().TextBoxOf(Control::Text1).SetText(kPrefix);
        form.LoadAndShow();  // publishes the first title
    }

    BenchPlatform on;
    sim::SimRuntime runtime{on.api.effects};
    Form1 form{on.platform, runtime};
    Handle player = 0;
};

void BM_UnchangedTick(benchmark::State& state) {
    RunningForm1 running;
    running.form.Timer1_Timer();  // anything lazily made on the first tick is made now
    const std::size_t news = NewCount(), mallocs = MallocCount(),
                      calls = running.on.api.registry.CallCount();
    for (auto _ : state) running.form.Timer1_Timer();
    const auto perTick = [&](std::size_t count) {
        return benchmark::Counter(double(count), benchmark::Counter::kAvgIterations);
    };
    state.counters["new/tick"] = perTick(NewCount() - news);
    state.counters["malloc/tick"] = perTick(MallocCount() - mallocs);
    state.counters["regcalls/tick"] = perTick(running.on.api.registry.CallCount() - calls);
}
BENCHMARK(BM_UnchangedTick);

void BM_PublishingTick(benchmark::State& state) {
    RunningForm1 running;
    const std::string titles[] = {kTitleB, kTitleA};
    const std::size_t news = NewCount(), mallocs = MallocCount(),
                      calls = running.on.api.registry.CallCount();
    std::size_t n = 0, harnessNews = 0, harnessMallocs = 0;
    for (auto _ : state) {
        // The player's new title, and the allocations that changing it makes.
        const std::size_t newsBefore = NewCount(), mallocsBefore = MallocCount();
        running.on.api.windows.SetTitle(running.player, titles[n & 1]);
        // The simulation's records of what was done would grow without end.
        if ((++n & 1023) == 0) running.on.api.effects.Clear();
        harnessNews += NewCount() - newsBefore;
        harnessMallocs += MallocCount() - mallocsBefore;
        running.form.Timer1_Timer();
    }
    const auto perTick = [&](std::size_t count) {
        return benchmark::Counter(double(count), benchmark::Counter::kAvgIterations);
    };
    state.counters["new/tick"] = perTick(NewCount() - news - harnessNews);
    state.counters["malloc/tick"] = perTick(MallocCount() - mallocs - harnessMallocs);
    state.counters["regcalls/tick"] = perTick(running.on.api.registry.CallCount() - calls);
}
BENCHMARK(BM_PublishingTick);

}  // namespace
}  // namespace brenvik::bench
