#pragma once
// Form1 as Brenvik.exe runs it: the real Windows functions and forms runtime, the
// program's resources, a stand-in player in a process of its own (as Winamp is), and
// a messenger user in the registry. The benchmark drives the message loop itself.
#include <windows.h>

#include <string>

#include "app/form1.h"
#include "bench/wine/floor_calls.h"
#include "forms/win32/runtime.h"
#include "platform/win32/real_platform.h"
#include "tests/support/child_process.h"

namespace brenvik::winbench {

// The messenger's settings naming user kUserId, made afresh and removed at the end.
class MessengerUser {
public:
    MessengerUser();
    ~MessengerUser();
    MessengerUser(const MessengerUser&) = delete;
    MessengerUser& operator=(const MessengerUser&) = delete;
};

class RunningForm1 {
public:
    // The player shows `title` and Text1 holds `prefix`; the window is loaded and
    // shown, which publishes prefix + title once.
    RunningForm1(const std::wstring& title, const std::wstring& prefix);

    Form1& Form() { return form_; }
    win32::Win32Api& Api() { return real_.Api(); }
    const Platform& Services() const { return real_.Services(); }
    win32::FormsRuntime& Runtime() { return runtime_; }
    // Form1's window and the prefix's edit control.
    HWND Window() const { return window_; }
    HWND Text1() const { return text1_; }
    // Handles the messages waiting for this thread's windows, as the message loop would.
    void Pump() { runtime_.RunPending(); }

private:
    MessengerUser user_;
    testing::ChildProcess player_;
    win32::RealPlatform real_;
    win32::FormsRuntime runtime_;
    Form1 form_{real_.Services(), runtime_};
    HWND window_ = nullptr;
    HWND text1_ = nullptr;
};

}  // namespace brenvik::winbench
