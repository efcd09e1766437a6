#pragma once
// The Windows services that the program's parts are handed at start: the real ones
// in Brenvik.exe, the simulated ones in tests.
#include "platform/ansi.h"
#include "platform/message_box.h"
#include "platform/win_api.h"

namespace brenvik {

struct Platform {
    WinApi& api;
    const AnsiCodec& ansi;
    MessageBoxService& messageBox;
};

}  // namespace brenvik
