#pragma once
// The layout is in twips (1/1440 inch); a window shows it in pixels at its DPI. A
// window that moves to a monitor of another DPI places its controls again from the
// same twips, so it looks as it would have had it started there.
#include "forms/forms.h"

namespace brenvik::forms {

constexpr int kTwipsPerInch = 1440;
constexpr int kStandardDpi = 96;  // 100 %: 15 twips to a pixel

// A DPI that a monitor can have: Windows scales from 100 % to 500 %; anything outside
// half the standard DPI to ten times it is no monitor's.
constexpr bool IsMonitorDpi(int dpi) { return dpi >= kStandardDpi / 2 && dpi <= kStandardDpi * 10; }

// A length in twips as whole pixels at `dpi`, the nearest (halves away from zero).
int TwipsToPixels(int twips, int dpi);

// A control's place in its window's client area, in pixels.
struct PixelRect {
    int left, top, width, height;
};

// Where a control goes at `dpi`. A label that fits its text keeps this corner and
// takes the size of its caption in the window's font at that DPI.
PixelRect PixelsOf(const TwipsRect& twips, int dpi);

}  // namespace brenvik::forms
