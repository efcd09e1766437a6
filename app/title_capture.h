#pragma once
// The now-playing text: the title of the player's main window.
#include <string>

#include "platform/ansi.h"
#include "platform/win_api.h"

namespace brenvik {

// The title of the window of class "Winamp v1.x", read into a 260-byte buffer and
// cut at its first NUL; empty when the player isn't running or the read fails.
std::u16string CaptureNowPlaying(WinApi& api, const AnsiCodec& ansi);

}  // namespace brenvik
