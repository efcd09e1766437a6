#include "forms/win32/one_per_session.h"

#include <windows.h>

namespace brenvik::win32 {

namespace {
// Between two rounds of asking, a later start lets the others run.
constexpr DWORD kStepMilliseconds = 50;

// Asks the form window to come forward; true once it has answered that it did. A window
// whose thread doesn't read its messages in time (closing, hung) has not.
bool AskForward(HWND window, const ForwardWay& way) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    // This start has the foreground that the user just gave it; it hands it on.
    (void)way.allowForeground(process);  // refused: the form still shows, behind the others
    DWORD_PTR answer = 0;
    const LRESULT delivered = ::SendMessageTimeoutW(
        window, way.startedAgain.Id(), 0, 0, SMTO_ABORTIFHUNG, way.answerMilliseconds, &answer);
    return delivered != 0 && answer == static_cast<DWORD_PTR>(kCameForward);
}

// Each form window of this class and caption in turn, until one comes forward: a hung
// one ahead of the running one doesn't hide it.
bool AskEachForward(const std::wstring& windowClass, const std::wstring& title,
                    const ForwardWay& way) {
    // A message that could not be registered would go out as WM_NULL: nothing is asked.
    if (way.startedAgain.Id() == 0) return false;
    HWND window = nullptr;
    while ((window = ::FindWindowExW(nullptr, window, windowClass.c_str(), title.c_str())) !=
           nullptr) {
        if (AskForward(window, way)) return true;
    }
    return false;
}
}  // namespace

RegisteredMessage StartedAgainMessage() {
    static const RegisteredMessage message(::RegisterWindowMessageW(L"Brenvik.StartedAgain"));
    return message;
}

AllowForeground UserAllowForeground() { return ::AllowSetForegroundWindow; }

OnePerSession::OnePerSession(std::wstring_view name) : name_(L"Local\\" + std::wstring(name)) {
    TryTake();
}

void OnePerSession::TryTake() {
    OwnedHandle mutex(::CreateMutexW(nullptr, FALSE, name_.c_str()));
    const DWORD error = ::GetLastError();
    if (mutex != nullptr && error == ERROR_ALREADY_EXISTS) return;
    // A mutex this process may not open is another Brenvik's: one elevated, seen from
    // a start that is not.
    if (mutex == nullptr && error == ERROR_ACCESS_DENIED) return;
    // A name that can't be taken at all (another kind of object holds it) doesn't keep
    // the program from running.
    mutex_ = std::move(mutex);
    first_ = true;
}

LaterStart OnePerSession::AskRunningFormForwardOrTakeOver(std::u16string_view windowClass,
                                                          std::u16string_view caption,
                                                          const ForwardWay& way) {
    const std::wstring wideClass(windowClass.begin(), windowClass.end());
    const std::wstring title(caption.begin(), caption.end());
    // GetTickCount wraps after 49.7 days; the unsigned difference is right across it.
    const DWORD started = ::GetTickCount();
    do {
        if (AskEachForward(wideClass, title, way)) return LaterStart::Reached;
        TryTake();
        if (first_) return LaterStart::TookName;
        ::Sleep(kStepMilliseconds);
    } while (static_cast<DWORD>(::GetTickCount() - started) < way.waitMilliseconds);
    return LaterStart::NoAnswer;
}

}  // namespace brenvik::win32
