#pragma once
// The floors the program's ticks are measured against: the Windows calls a tick
// can't do without, made directly through the real functions.
#include <string_view>

#include "platform/win32/win32_api.h"

struct HWND__;

namespace brenvik::winbench {

constexpr char kUserId[] = "benchuser";
constexpr char kPagerKey[] = "Software\\Yahoo\\pager";
constexpr char kCustomMessagesKey[] = "Software\\Yahoo\\pager\\profiles\\benchuser\\Custom Msgs";

// What an unchanged tick needs: find the player and read its title.
void ReadPlayerTitle(win32::Win32Api& api, char (&title)[260]);

// What a publication needs: read the user ID; write "5" and "5_DND", each with its
// own open and close of the user's key; find the messenger and post it command 392.
void PublishDirectly(win32::Win32Api& api, std::string_view status);

// What a publication's preview needs: a static control's text set, measured in the
// control's font, and the control sized to fit it.
void ShowPreviewDirectly(HWND__* label, const char* text);

}  // namespace brenvik::winbench
