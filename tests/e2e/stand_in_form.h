#pragma once
// A window of Brenvik's class and caption in the test's own process, standing in for a
// running Brenvik: one that comes forward when another start asks, or one whose thread
// never reads a message again (hung).
#include <windows.h>

#include <atomic>

#include "app/form1_identity.h"
#include "forms/win32/one_per_session.h"

namespace brenvik::e2e {

class StandInForm {
public:
    enum class Kind { Answers, NeverAnswers };

    explicit StandInForm(Kind kind) : kind_(kind) {
        thread_ = CreateThread(nullptr, 0, &StandInForm::Thread, this, 0, &threadId_);
        while (window_ == nullptr) Sleep(5);
    }
    ~StandInForm() {
        SetEvent(end_);
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        CloseHandle(end_);
    }
    StandInForm(const StandInForm&) = delete;
    StandInForm& operator=(const StandInForm&) = delete;

    // How often another start asked it to come forward.
    int Asked() const { return asked_; }
    HWND Window() const { return window_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        static const UINT startedAgain = RegisterWindowMessageW(L"Brenvik.StartedAgain");
        if (message == startedAgain) {
            auto* self = reinterpret_cast<StandInForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
            ++self->asked_;
            return win32::kCameForward;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    static DWORD WINAPI Thread(void* self) {
        static_cast<StandInForm*>(self)->Run();
        return 0;
    }
    void Run() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = form1::WideWindowClass();
        RegisterClassW(&wc);  // already there for the second stand-in: that's fine
        HWND window =
            CreateWindowW(form1::WideWindowClass(), form1::WideCaption(), WS_OVERLAPPEDWINDOW, 0, 0,
                          200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        window_ = window;
        if (kind_ == Kind::NeverAnswers) {
            WaitForSingleObject(end_, INFINITE);
        } else {
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
        }
        DestroyWindow(window);
    }

    const Kind kind_;
    HANDLE end_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<int> asked_{0};
    std::atomic<HWND> window_{nullptr};
    DWORD threadId_ = 0;
    HANDLE thread_ = nullptr;
};

}  // namespace brenvik::e2e
