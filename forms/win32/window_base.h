#pragma once
// The base of every window class Brenvik registers: a window is an object. Its class
// registers Procedure; the object's pointer, handed over as CreateWindowExW's creation
// parameter, is stored at WM_NCCREATE and cleared after WM_NCDESTROY, and every message
// in between goes to the object's
//     Result OnMessage(HWND__* window, unsigned message, WParam wParam, LParam lParam);
// The base keeps the window's handle for the object over the same span.
// No exception leaves a window procedure: one that escapes OnMessage goes to the
// object's OnFailure(std::exception_ptr), and the message is done with.
// <windows.h> stays out of this header, whose users include the program's headers.
#include <cstdint>
#include <exception>

struct HWND__;

namespace brenvik::win32 {

// A window procedure's types as <windows.h> spells them (LRESULT and LPARAM are a
// long on 32-bit Windows), so that Procedure is a WNDPROC without a cast.
#ifdef _WIN64
using Result = long long;
using WParam = unsigned long long;
#else
using Result = long;
using WParam = unsigned int;
#endif
using LParam = Result;

namespace window_object {
// The object of `window`, as WM_NCCREATE stored it; null before and after its life.
void* Find(HWND__* window, unsigned message, LParam lParam);
// After each message: once the window's last one (WM_NCDESTROY) is handled, no
// message reaches its object any more, and the answer is true.
bool AfterMessage(HWND__* window, unsigned message);
// No message reaches the window's object any more.
void Forget(HWND__* window);
Result Default(HWND__* window, unsigned message, WParam wParam, LParam lParam);
}  // namespace window_object

template <typename Derived>
class WindowBase {
public:
    // The procedure that the window class registers.
    static Result __stdcall Procedure(HWND__* window, unsigned message, WParam wParam,
                                      LParam lParam) {
        auto* self = static_cast<Derived*>(window_object::Find(window, message, lParam));
        if (self == nullptr) return window_object::Default(window, message, wParam, lParam);
        WindowBase& base = *self;
        base.window_ = window;  // from WM_NCCREATE, the first message that reaches the object
        Result result = 0;
        try {
            result = self->OnMessage(window, message, wParam, lParam);
        } catch (...) {
            self->OnFailure(std::current_exception());
        }
        if (window_object::AfterMessage(window, message)) base.window_ = nullptr;
        return result;
    }

    // The object's window; null before it is made and once it is gone.
    HWND__* Window() const { return window_; }

protected:
    // The window stops reaching this object before its last message, as when the
    // object goes first. Returns the window, which the object no longer holds.
    HWND__* Detach() {
        window_object::Forget(window_);
        HWND__* window = window_;
        window_ = nullptr;
        return window;
    }

private:
    HWND__* window_ = nullptr;
};

}  // namespace brenvik::win32
