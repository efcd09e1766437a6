#include "forms/win32/window_base.h"

#include <windows.h>

#include <type_traits>

namespace brenvik::win32 {

static_assert(std::is_same_v<Result, LRESULT> && std::is_same_v<WParam, WPARAM> &&
              std::is_same_v<LParam, LPARAM>);

namespace window_object {

void* Find(HWND__* window, unsigned message, LParam lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<void*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

bool AfterMessage(HWND__* window, unsigned message) {
    if (message != WM_NCDESTROY) return false;
    Forget(window);
    return true;
}

void Forget(HWND__* window) { ::SetWindowLongPtrW(window, GWLP_USERDATA, 0); }

Result Default(HWND__* window, unsigned message, WParam wParam, LParam lParam) {
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace window_object
}  // namespace brenvik::win32
