#include "forms/win32/window_dpi.h"

#include <windows.h>

#include "forms/win32/twips.h"
#include "forms/win32/user32_function.h"

namespace brenvik::win32 {

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

MetricsForDpi UserMetricsForDpi() {
    return FromUser32<int WINAPI(int, UINT)>("GetSystemMetricsForDpi");
}

int SmallIconSize(int dpi, MetricsForDpi metricsForDpi) {
    if (metricsForDpi != nullptr) {
        const int size = metricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi));
        if (size > 0) return size;
    }
    return ::MulDiv(::GetSystemMetrics(SM_CXSMICON), dpi, ScreenDpi());
}

}  // namespace brenvik::win32
