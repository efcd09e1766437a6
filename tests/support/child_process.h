#pragma once
// A program from the running program's folder, started by a test or a benchmark and
// ended when it lets go of it.
#include <windows.h>

#include <string>

namespace brenvik::testing {

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
    // Whether the program has ended, waiting for it at most that long.
    bool HasEnded(DWORD waitMilliseconds = 0) const;
    // The ended program's exit code; STILL_ACTIVE while it runs.
    DWORD ExitCode() const;

private:
    PROCESS_INFORMATION info_{};
};

}  // namespace brenvik::testing
