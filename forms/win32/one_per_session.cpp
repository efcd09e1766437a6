#include "forms/win32/one_per_session.h"

#include <windows.h>

namespace brenvik::win32 {

namespace {
// How long a later start waits for the first one's window, in steps.
constexpr int kWindowWaitSteps = 40;
constexpr DWORD kWindowWaitStepMilliseconds = 50;

// Posts the started-again message to the form window of this class and title; false
// when there is none.
bool AskForward(const std::wstring& windowClass, const std::wstring& title) {
    HWND running = ::FindWindowW(windowClass.c_str(), title.c_str());
    if (running == nullptr) return false;
    DWORD process = 0;
    ::GetWindowThreadProcessId(running, &process);
    // This start has the foreground that the user just gave it; it hands it on.
    ::AllowSetForegroundWindow(process);
    (void)::PostMessageW(running, StartedAgainMessage().Id(), 0, 0);  // it ends either way
    return true;
}
}  // namespace

OnePerSession::OnePerSession(std::wstring_view name) : name_(L"Local\\" + std::wstring(name)) {
    TryTake();
}

OnePerSession::~OnePerSession() {
    if (mutex_ != nullptr) ::CloseHandle(mutex_);
}

void OnePerSession::TryTake() {
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, name_.c_str());
    if (mutex != nullptr && ::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(mutex);
        return;
    }
    // A name that can't be taken at all (another kind of object holds it) doesn't keep
    // the program from running.
    mutex_ = mutex;
    first_ = true;
}

void OnePerSession::AskRunningFormForwardOrTakeOver(std::u16string_view windowClass,
                                                    std::u16string_view caption) {
    const std::wstring wideClass(windowClass.begin(), windowClass.end());
    const std::wstring title(caption.begin(), caption.end());
    for (int step = 0; step < kWindowWaitSteps; ++step) {
        if (AskForward(wideClass, title)) return;
        TryTake();
        if (first_) return;
        ::Sleep(kWindowWaitStepMilliseconds);
    }
}

RegisteredMessage StartedAgainMessage() {
    static const RegisteredMessage message(::RegisterWindowMessageW(L"Brenvik.StartedAgain"));
    return message;
}

}  // namespace brenvik::win32
