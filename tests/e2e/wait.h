#pragma once
// Waiting on a condition, not for a fixed time.
#include <windows.h>

#include <functional>

namespace brenvik::e2e {

// Polls the condition until it holds or the deadline passes; true when it held.
inline bool WaitFor(const std::function<bool()>& condition, DWORD deadlineMilliseconds = 15000) {
    const ULONGLONG end = GetTickCount64() + deadlineMilliseconds;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= end) return false;
        MSG msg;  // keep this thread's own windows (if any) answering
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(25);
    }
}

}  // namespace brenvik::e2e
