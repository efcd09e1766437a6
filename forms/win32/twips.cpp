#include "forms/win32/twips.h"

#include <windows.h>

namespace brenvik::win32 {

namespace {
constexpr int kTwipsPerInch = 1440;
constexpr int kStandardDpi = 96;
}  // namespace

int ScreenDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen != nullptr) ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kStandardDpi;
}

int TwipsToPixels(int twips, int dpi) { return ::MulDiv(twips, dpi, kTwipsPerInch); }

float TwipsPerPixel(int dpi) { return static_cast<float>(kTwipsPerInch) / static_cast<float>(dpi); }

}  // namespace brenvik::win32
