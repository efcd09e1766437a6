#pragma once
// A program from this program's folder, started for a benchmark and ended with it.
#include <string>

#include <windows.h>

namespace brenvik::winbench {

class ChildProcess {
public:
    // Starts <this program's folder>\<program> with the arguments; throws when it can't.
    ChildProcess(const std::wstring& program, const std::wstring& arguments);
    // Ends the program if it is still running.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    HANDLE Handle() const { return info_.hProcess; }
    DWORD Id() const { return info_.dwProcessId; }

private:
    PROCESS_INFORMATION info_{};
};

// The visible top-level window of the class and title (null title: any), looked for
// every millisecond until the deadline; null when it never showed.
HWND WaitForVisibleWindow(const wchar_t* windowClass, const wchar_t* title,
                          DWORD deadlineMilliseconds);

}  // namespace brenvik::winbench
