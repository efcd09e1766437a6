// A later start beside the running form, each on a thread of its own as two programs'
// would be: the form answers before the work of coming forward, and doesn't answer that
// it came forward while a handler of its waits on a message box.
#include "forms/win32/one_per_session.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <optional>

#include "tests/forms/form_fixture.h"

namespace brenvik::testing {
namespace {

constexpr wchar_t kName[] = L"BrenvikSampleTest";
DWORD handedTo = 0;  // the process a later start handed the foreground to

// Windows' AllowSetForegroundWindow, which Wine grants whatever it is given.
BOOL WINAPI AllowForeground(DWORD process) {
    handedTo = process;
    return TRUE;
}

// A later start: it asks the sample form forward, then does `then`.
class AnotherStart {
public:
    explicit AnotherStart(win32::ForwardWay way, std::function<void()> then = {})
        : way_(way),
          then_(std::move(then)),
          thread_(CreateThread(nullptr, 0, Run, this, 0, nullptr)) {}
    ~AnotherStart() {
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
    }
    bool Ended() const { return ended_; }
    win32::LaterStart outcome{};
    double seconds = 0;  // from its first question to its end

private:
    static DWORD WINAPI Run(void* self) {
        auto& later = *static_cast<AnotherStart*>(self);
        const auto asked = std::chrono::steady_clock::now();
        later.outcome = win32::OnePerSession(kName).AskRunningFormForwardOrTakeOver(
            kSampleClass, kSampleCaption, later.way_);
        later.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - asked).count();
        later.ended_ = true;
        if (later.then_) later.then_();
        return 0;
    }
    const win32::ForwardWay way_;
    const std::function<void()> then_;
    std::atomic<bool> ended_{false};
    HANDLE thread_;
};

class RunningForm : public SampleForm {
protected:
    RunningForm() { handedTo = 0; }
    const win32::OnePerSession running_{kName};
};

// Beside a form whose coming forward takes 2 s (a busy shell), the later start ends at
// once, having asked once and handed the form's process the foreground first.
TEST_F(RunningForm, AnswersAnotherStartBeforeAComingForwardThatTakes2Seconds) {
    std::optional<AnotherStart> later;
    int comings = 0;
    bool endedFirst = false;
    form_->OnStartedAgain([&] {
        EXPECT_EQ(handedTo, GetCurrentProcessId());
        Sleep(2000);
        if (comings++ == 0) endedFirst = later->Ended();
    });
    later.emplace(win32::ForwardWay{.allowForeground = AllowForeground});
    ASSERT_TRUE(PumpUntil([&] { return later->Ended() && comings > 0; }));
    EXPECT_EQ(later->outcome, win32::LaterStart::Reached);
    EXPECT_TRUE(endedFirst) << "the later start waited for the coming forward";
    EXPECT_EQ(comings, 1);
    std::printf("A later start beside a form 2 s in coming forward ended in %.1f ms\n",
                later->seconds * 1000);
}

// A message box's loop hands the form another start's request while a handler waits on
// the box: the form can't come forward then, and doesn't say it did.
TEST_F(RunningForm, TellsNoOtherStartItCameForwardWhileAHandlerShowsAMessageBox) {
    int comings = 0;
    form_->OnStartedAgain([&] { ++comings; });
    std::optional<AnotherStart> later;
    form_->ButtonOf(Control::Command3).OnClick([&] {
        later.emplace(win32::ForwardWay{.answerMilliseconds = 200, .waitMilliseconds = 300}, [] {
            HWND box = nullptr;
            for (int i = 0; i < 500 && (box = FindWindowW(L"#32770", L"Busy")) == nullptr; ++i)
                Sleep(10);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
        MessageBoxW(Main(), L"A handler waits on the user", L"Busy", MB_OK);
    });
    SendMessageW(WindowOfControl(forms::ControlKind::CommandButton, Control::Command3), BM_CLICK, 0,
                 0);
    ASSERT_TRUE(later && later->Ended());
    EXPECT_EQ(later->outcome, win32::LaterStart::NoAnswer);
    EXPECT_EQ(comings, 0);
}

}  // namespace
}  // namespace brenvik::testing
