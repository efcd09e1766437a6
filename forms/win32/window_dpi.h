#pragma once
// A window's own DPI and the frame that holds a client area at a DPI. Under per-monitor
// awareness each monitor has its DPI, and a window made on one of another DPI than the
// system's gets no WM_DPICHANGED: it must ask. Both use what Windows 10 added where it
// is there (found at run time) and the system's DPI elsewhere.
#include "forms/pixel_layout.h"

struct HWND__;

namespace brenvik::win32 {

// The DPI of the monitor `window` is on; the screen's where Windows can't tell.
int WindowDpi(HWND__* window);

// The outer size of a window with `style` (no menu, no extended style) whose client area
// is `client` pixels at `dpi`, its borders and caption drawn at that DPI.
forms::PixelRect FrameAround(int clientWidth, int clientHeight, unsigned long style, int dpi);

// user32's GetSystemMetricsForDpi, null where Windows lacks it.
using MetricsForDpi = int(__stdcall*)(int index, unsigned dpi);
MetricsForDpi UserMetricsForDpi();

// The side of a small icon (the caption's, the taskbar's) at `dpi`, in pixels; without
// `metricsForDpi`, the system's scaled to `dpi`.
int SmallIconSize(int dpi, MetricsForDpi metricsForDpi = UserMetricsForDpi());

}  // namespace brenvik::win32
