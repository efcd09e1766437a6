// Timers: real window timers that tick exactly while enabled with a positive interval.
#include <windows.h>

#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>

#include "forms/win32/runtime.h"
#include "tests/support/caller.h"

namespace brenvik::testing {
namespace {

using forms::ControlKind;

enum class Clock { Reference, Disabled, NoInterval, Slow };

class Timers : public ::testing::Test {
protected:
    Timers() {
        forms::FormLayout layout{.windowClass = u"BrenvikTimers",
                                 .caption = u"Timers",
                                 .clientWidth = 3000,
                                 .clientHeight = 1500,
                                 .controls = {}};
        const auto timer = [](Clock clock, std::int32_t interval, bool enabled) {
            return forms::ControlLayout{.id = clock,
                                        .name = "",
                                        .kind = ControlKind::Timer,
                                        .caption = u"",
                                        .place = {0, 0, 0, 0},
                                        .tabIndex = -1,
                                        .interval = interval,
                                        .enabled = enabled};
        };
        layout.controls.push_back(timer(Clock::Reference, 10, true));
        layout.controls.push_back(timer(Clock::Disabled, 10, false));
        layout.controls.push_back(timer(Clock::NoInterval, 0, true));
        layout.controls.push_back(timer(Clock::Slow, 3600000, true));
        form_ = runtime_.LoadForm(layout);
        for (const Clock clock :
             {Clock::Reference, Clock::Disabled, Clock::NoInterval, Clock::Slow})
            form_->TimerOf(clock).OnTimer([this, clock] { ++ticks_[clock]; });
    }

    // Handles messages until the reference timer has ticked `count` more times: each
    // other timer has had that long to tick.
    void WaitForReferenceTicks(int count, Caller caller = Caller::current()) {
        const auto trace = TraceCaller(caller);
        const int until = ticks_[Clock::Reference] + count;
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (ticks_[Clock::Reference] < until) {
            ASSERT_LT(std::chrono::steady_clock::now(), giveUp)
                << "the reference timer stopped ticking";
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            runtime_.RunPending();
        }
    }

    win32::FormsRuntime runtime_;
    std::unique_ptr<forms::Form> form_;
    std::map<Clock, int> ticks_;
};

TEST_F(Timers, TickOnlyWhileEnabledWithAPositiveInterval) {
    WaitForReferenceTicks(5);
    EXPECT_EQ(ticks_[Clock::Disabled], 0);
    EXPECT_EQ(ticks_[Clock::NoInterval], 0);
    EXPECT_EQ(ticks_[Clock::Slow], 0);
}

TEST_F(Timers, EnablingStartsTicksAndDisablingStopsThem) {
    forms::Timer& timer = form_->TimerOf(Clock::Disabled);
    timer.SetEnabled(true);
    EXPECT_TRUE(timer.Enabled());
    WaitForReferenceTicks(5);
    EXPECT_GT(ticks_[Clock::Disabled], 0);

    timer.SetEnabled(false);
    const int before = ticks_[Clock::Disabled];
    WaitForReferenceTicks(5);
    EXPECT_EQ(ticks_[Clock::Disabled], before) << "not even a tick queued before it stopped";
}

// Windows leaves a WM_TIMER already in the queue when the timer is killed; Wine drops
// it, so the test takes the tick and posts it back itself. Its handler doesn't run.
TEST_F(Timers, ATickQueuedWhenTheTimerStopsRunsNoHandler) {
    form_->TimerOf(Clock::Reference).SetEnabled(false);
    forms::Timer& timer = form_->TimerOf(Clock::Disabled);
    timer.SetEnabled(true);
    MSG tick{};
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!PeekMessageW(&tick, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
        ASSERT_LT(std::chrono::steady_clock::now(), giveUp) << "the timer never ticked";
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_TIMER);
    }
    timer.SetEnabled(false);
    PostMessageW(tick.hwnd, tick.message, tick.wParam, tick.lParam);
    runtime_.RunPending();
    EXPECT_EQ(ticks_[Clock::Disabled], 0);
}

TEST_F(Timers, ANewIntervalTakesEffectAtOnce) {
    forms::Timer& slow = form_->TimerOf(Clock::Slow);
    slow.SetInterval(10);
    EXPECT_EQ(slow.Interval(), 10);
    WaitForReferenceTicks(5);
    EXPECT_GT(ticks_[Clock::Slow], 0) << "the hour-long count restarted with the new interval";

    forms::Timer& none = form_->TimerOf(Clock::NoInterval);
    none.SetInterval(10);
    WaitForReferenceTicks(5);
    EXPECT_GT(ticks_[Clock::NoInterval], 0);
    none.SetInterval(0);
    const int before = ticks_[Clock::NoInterval];
    WaitForReferenceTicks(5);
    EXPECT_EQ(ticks_[Clock::NoInterval], before);
}

TEST_F(Timers, NegativeIntervalDeliversNoTicks) {
    forms::Timer& timer = form_->TimerOf(Clock::Disabled);
    timer.SetInterval(-1000);
    timer.SetEnabled(true);
    WaitForReferenceTicks(5);
    EXPECT_EQ(ticks_[Clock::Disabled], 0);
}

}  // namespace
}  // namespace brenvik::testing
