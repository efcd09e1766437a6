#include "bench/wine/child_process.h"

#include <stdexcept>

namespace brenvik::winbench {

namespace {
std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring file(path, length);
    return file.substr(0, file.find_last_of(L"\\/") + 1);
}
}  // namespace

ChildProcess::ChildProcess(const std::wstring& program, const std::wstring& arguments) {
    const std::wstring path = ProgramFolder() + program;
    std::wstring commandLine = L"\"" + path + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!::CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &info_))
        throw std::runtime_error("can't start a program from the benchmark's folder");
}

ChildProcess::~ChildProcess() {
    if (::WaitForSingleObject(info_.hProcess, 0) != WAIT_OBJECT_0) {
        ::TerminateProcess(info_.hProcess, 1);
        ::WaitForSingleObject(info_.hProcess, 10000);
    }
    ::CloseHandle(info_.hThread);
    ::CloseHandle(info_.hProcess);
}

HWND WaitForVisibleWindow(const wchar_t* windowClass, const wchar_t* title,
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
