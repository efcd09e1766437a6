// A later start and the running form's window: it counts the form reached only when the
// window answers that it came forward, hands it the foreground before asking, asks
// nothing with a message that could not be registered, and takes a name let go of.
#include "forms/win32/one_per_session.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace brenvik::testing {
namespace {

constexpr wchar_t kClass[] = L"BrenvikGuardTestForm";
constexpr wchar_t kCaption[] = L"Guard";

// What the stand-in form window heard and when, and what it answers.
struct Heard {
    LRESULT answer = 0;
    int asked = 0;
    int wmNull = 0;
    DWORD foregroundWhenAsked = 0;  // the process the foreground was handed to by then
} heard;
DWORD handedTo = 0;
UINT startedAgain = 0;

// Windows' AllowSetForegroundWindow, which Wine accepts whatever it is given.
BOOL WINAPI AllowForeground(DWORD process) {
    handedTo = process;
    return TRUE;
}

LRESULT CALLBACK StandInProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NULL) ++heard.wmNull;
    if (message != 0 && message == startedAgain) {
        ++heard.asked;
        heard.foregroundWhenAsked = handedTo;
        return heard.answer;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

struct GuardCase {
    const char* name;
    bool registered;      // the started-again message could be registered
    LRESULT answer;       // what the running form's window answers
    bool firstEndsFirst;  // the running start lets go of the name before this one asks
    win32::LaterStart outcome;
    bool asked;  // the window was asked to come forward
};
constexpr GuardCase kCases[] = {
    {"CameForward", true, win32::kCameForward, false, win32::LaterStart::Reached, true},
    {"ClosingOrBusy", true, 0, false, win32::LaterStart::NoAnswer, true},
    {"NotRegistered", false, win32::kCameForward, false, win32::LaterStart::NoAnswer, false},
    {"NameLetGo", true, 0, true, win32::LaterStart::TookName, true},
};

TEST(LaterStart, IsReachedOnlyByAFormThatAnswersItCameForward) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = StandInProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);
    std::unique_ptr<HWND__, decltype(&DestroyWindow)> form(
        CreateWindowW(kClass, kCaption, WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                      GetModuleHandleW(nullptr), nullptr),
        &DestroyWindow);
    for (const GuardCase& c : kCases) {
        SCOPED_TRACE(c.name);
        heard = {c.answer};
        handedTo = 0;
        const win32::RegisteredMessage message(
            c.registered ? RegisterWindowMessageW(L"Brenvik.StartedAgain") : 0);
        startedAgain = message.Id();
        std::optional<win32::OnePerSession> running(std::in_place, L"BrenvikGuardTest");
        ASSERT_TRUE(running->First());
        win32::OnePerSession later(L"BrenvikGuardTest");
        ASSERT_FALSE(later.First());
        // Waits two rounds at most: the stand-in answers at once.
        const win32::ForwardWay way{message, AllowForeground, 200, 60};
        if (c.firstEndsFirst) running.reset();
        EXPECT_EQ(later.AskRunningFormForwardOrTakeOver(u"BrenvikGuardTestForm", u"Guard", way),
                  c.outcome);
        EXPECT_EQ(later.First(), c.outcome == win32::LaterStart::TookName);
        EXPECT_EQ(heard.asked > 0, c.asked);
        EXPECT_EQ(heard.wmNull, 0) << "asked with message 0, WM_NULL";
        if (c.asked) {
            EXPECT_EQ(heard.foregroundWhenAsked, GetCurrentProcessId());
        }
    }
}

}  // namespace
}  // namespace brenvik::testing
