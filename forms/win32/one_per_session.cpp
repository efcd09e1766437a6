// The program's headers come before <windows.h>, whose macros share their constants' names.
#include "forms/win32/one_per_session.h"

#include <string>

#include "forms/win32/form_class.h"

#include <windows.h>

namespace brenvik::win32 {

namespace {
// How long a later start waits for the first one's window, in steps.
constexpr int kWindowWaitSteps = 40;
constexpr DWORD kWindowWaitStepMilliseconds = 50;
}  // namespace

OnePerSession::OnePerSession(std::wstring_view name) {
    const std::wstring localName = L"Local\\" + std::wstring(name);
    mutex_ = ::CreateMutexW(nullptr, FALSE, localName.c_str());
    // A name that can't be taken at all (another kind of object holds it) doesn't keep
    // the program from running.
    first_ = mutex_ == nullptr || ::GetLastError() != ERROR_ALREADY_EXISTS;
}

OnePerSession::~OnePerSession() {
    if (mutex_ != nullptr) ::CloseHandle(mutex_);
}

RegisteredMessage StartedAgainMessage() {
    static const RegisteredMessage message(::RegisterWindowMessageW(L"Brenvik.StartedAgain"));
    return message;
}

bool AskRunningFormForward(std::u16string_view caption) {
    const std::wstring title(caption.begin(), caption.end());
    for (int step = 0; step < kWindowWaitSteps; ++step) {
        if (HWND running = ::FindWindowW(kFormClass, title.c_str())) {
            DWORD process = 0;
            ::GetWindowThreadProcessId(running, &process);
            // This start has the foreground that the user just gave it; it hands it on.
            ::AllowSetForegroundWindow(process);
            return ::PostMessageW(running, StartedAgainMessage().Id(), 0, 0) != FALSE;
        }
        ::Sleep(kWindowWaitStepMilliseconds);
    }
    return false;
}

}  // namespace brenvik::win32
