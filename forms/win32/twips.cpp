#include "forms/win32/twips.h"

#include <windows.h>

#include <memory>

namespace brenvik::win32 {

int ScreenDpi() {
    const std::unique_ptr<HDC__, decltype([](HDC dc) { ::ReleaseDC(nullptr, dc); })> screen(
        ::GetDC(nullptr));
    const int dpi = screen != nullptr ? ::GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : forms::kStandardDpi;
}

float TwipsPerPixel(int dpi) {
    return static_cast<float>(forms::kTwipsPerInch) / static_cast<float>(dpi);
}

}  // namespace brenvik::win32
