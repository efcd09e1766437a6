#pragma once
// Windows drops a message that a program of a lower integrity level sends or posts to
// an elevated one's window, unless that window lets it through. A form lets through
// what it must hear from every level: the shell's restart and another start's request.

struct HWND__;

namespace brenvik::win32 {

// Lets `message` reach `window` from any integrity level; tests give a stand-in.
using MessageFilter = void (*)(HWND__* window, unsigned message);

// user32's filters, each null where Windows lacks it: Windows 7's per window
// (ChangeWindowMessageFilterEx) and Vista's per process (ChangeWindowMessageFilter).
struct FilterFunctions {
    int(__stdcall* perWindow)(HWND__* window, unsigned message, unsigned long action, void* status);
    int(__stdcall* perProcess)(unsigned message, unsigned long action);
};

// The per-window filter where it is there, the per-process one otherwise; before Vista
// there are no integrity levels and nothing to let through.
void LetThroughWith(const FilterFunctions& filters, HWND__* window, unsigned message);

// The same with the filters of this Windows.
void LetThroughFromEveryLevel(HWND__* window, unsigned message);

}  // namespace brenvik::win32
