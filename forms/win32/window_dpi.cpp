#include "forms/win32/window_dpi.h"

#include <windows.h>

#include "forms/win32/twips.h"

namespace brenvik::win32 {

namespace {
// A function of user32 that older Windows lack, or null.
template <typename Function>
Function* FromUser32(const char* name) {
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 == nullptr ? nullptr
                             : reinterpret_cast<Function*>(
                                   reinterpret_cast<void*>(::GetProcAddress(user32, name)));
}
}  // namespace

int WindowDpi(HWND__* window) {
    using GetDpiForWindowFunction = UINT WINAPI(HWND);
    static auto* const getDpiForWindow = FromUser32<GetDpiForWindowFunction>("GetDpiForWindow");
    const int dpi = getDpiForWindow != nullptr ? static_cast<int>(getDpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : ScreenDpi();
}

forms::PixelRect FrameAround(int clientWidth, int clientHeight, unsigned long style, int dpi) {
    using AdjustForDpiFunction = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
    static auto* const adjustForDpi = FromUser32<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, clientWidth, clientHeight};
    if (adjustForDpi == nullptr || !adjustForDpi(&frame, style, FALSE, 0, static_cast<UINT>(dpi)))
        ::AdjustWindowRectEx(&frame, style, FALSE, 0);
    return {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace brenvik::win32
