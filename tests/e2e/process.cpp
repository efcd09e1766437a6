#include "tests/e2e/process.h"

#include <stdexcept>

namespace brenvik::e2e {

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

Process::Process(const std::wstring& program, const std::wstring& arguments) {
    const std::wstring path = ProgramFolder() + program;
    std::wstring commandLine = L"\"" + path + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info_))
        throw std::runtime_error("can't start the program");
    WaitForInputIdle(info_.hProcess, 10000);
}

Process::~Process() {
    if (!HasEnded()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 10000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Process::HasEnded(DWORD waitMilliseconds) const {
    return WaitForSingleObject(info_.hProcess, waitMilliseconds) == WAIT_OBJECT_0;
}

}  // namespace brenvik::e2e
