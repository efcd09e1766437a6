#pragma once
// Windows drops a message that a program of a lower integrity level sends or posts to
// an elevated one's window, unless that window lets it through. A form lets through
// what it must hear from every level: the shell's restart and another start's request.

struct HWND__;

namespace brenvik::win32 {

// Lets `message` reach `window` from any integrity level; tests give a stand-in.
using MessageFilter = void (*)(HWND__* window, unsigned message);

// Windows 7's per-window filter where it is there, Vista's per-process one otherwise;
// before Vista there are no integrity levels and nothing to let through.
void LetThroughFromEveryLevel(HWND__* window, unsigned message);

}  // namespace brenvik::win32
