#include "tests/support/child_process.h"

#include <stdexcept>
#include <string>

namespace brenvik::testing {

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
                          nullptr, &startup, &info_)) {
        // Which program, and Windows' reason: a start that fails only now and then
        // says why in the log it leaves.
        const DWORD error = ::GetLastError();
        throw std::runtime_error("can't start " + std::string(program.begin(), program.end()) +
                                 " from this program's folder (error " + std::to_string(error) +
                                 ")");
    }
}

ChildProcess::~ChildProcess() {
    if (!HasEnded()) {
        ::TerminateProcess(info_.hProcess, 1);
        ::WaitForSingleObject(info_.hProcess, 10000);
    }
    ::CloseHandle(info_.hThread);
    ::CloseHandle(info_.hProcess);
}

bool ChildProcess::HasEnded(DWORD waitMilliseconds) const {
    return ::WaitForSingleObject(info_.hProcess, waitMilliseconds) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const {
    DWORD code = 0xdeadbeef;
    ::GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

}  // namespace brenvik::testing
