#pragma once
// The layout's unit, the twip (1/1440 inch), in the screen's pixels.

namespace brenvik::win32 {

// The screen's logical pixels per inch (96 at 100 %, 120 at 125 %).
int ScreenDpi();

// A length in twips as whole pixels at `dpi`, rounded to the nearest pixel.
int TwipsToPixels(int twips, int dpi);

// Twips in one pixel at `dpi`: 15 at 96, 12 at 120.
float TwipsPerPixel(int dpi);

}  // namespace brenvik::win32
