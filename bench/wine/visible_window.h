#pragma once
// Waiting for a program's window to show.
#include <windows.h>

namespace brenvik::winbench {

// The visible top-level window of the class and title (null title: any), looked for
// every millisecond until the deadline; null when it never showed.
inline HWND WaitForVisibleWindow(const wchar_t* windowClass, const wchar_t* title,
                                 DWORD deadlineMilliseconds) {
    const ULONGLONG end = ::GetTickCount64() + deadlineMilliseconds;
    for (;;) {
        HWND window = ::FindWindowW(windowClass, title);
        if (window != nullptr && ::IsWindowVisible(window)) return window;
        if (::GetTickCount64() >= end) return nullptr;
        ::Sleep(1);
    }
}

}  // namespace brenvik::winbench
