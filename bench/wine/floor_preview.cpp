// The preview's floor.
#include <windows.h>

#include <cstring>

#include "bench/wine/floor_calls.h"

namespace brenvik::winbench {

void ShowPreviewDirectly(HWND window, const char* text) {
    ::SetWindowTextA(window, text);
    const HDC dc = ::GetDC(window);
    const HGDIOBJ previousFont =
        ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(window, WM_GETFONT, 0, 0)));
    SIZE size{};
    ::GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    ::SelectObject(dc, previousFont);
    ::ReleaseDC(window, dc);
    ::SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace brenvik::winbench
