#pragma once
// The layout's unit, the twip (1/1440 inch), in the screen's pixels.
#include "forms/pixel_layout.h"

namespace brenvik::win32 {

using forms::TwipsToPixels;

// The screen's logical pixels per inch (96 at 100 %, 120 at 125 %).
int ScreenDpi();

// Twips in one pixel at `dpi`: 15 at 96, 12 at 120.
float TwipsPerPixel(int dpi);

}  // namespace brenvik::win32
