#pragma once
// A program started by an end-to-end test, ended when the test lets go of it.
#include <string>

#include <windows.h>

namespace brenvik::e2e {

class Process {
public:
    // Starts bin/<program> (beside the test program) with the given arguments.
    Process(const std::wstring& program, const std::wstring& arguments);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    DWORD Id() const { return info_.dwProcessId; }
    bool HasEnded(DWORD waitMilliseconds = 0) const;

private:
    PROCESS_INFORMATION info_{};
};

// The folder of the running test program, with a trailing backslash.
std::wstring ProgramFolder();

}  // namespace brenvik::e2e
