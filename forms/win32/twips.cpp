#include "forms/win32/twips.h"

#include <windows.h>

namespace brenvik::win32 {

int ScreenDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen != nullptr) ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : forms::kStandardDpi;
}

float TwipsPerPixel(int dpi) {
    return static_cast<float>(forms::kTwipsPerInch) / static_cast<float>(dpi);
}

}  // namespace brenvik::win32
