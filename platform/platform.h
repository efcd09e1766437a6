#pragma once
// The Windows services that the program's parts are handed at start: the real ones
// in Brenvik.exe, the simulated ones in tests.
#include "platform/ansi.h"
#include "platform/message_box.h"
#include "platform/registry_api.h"
#include "platform/shell_api.h"
#include "platform/window_api.h"

namespace brenvik {

struct Platform {
    PlayerWindowApi& playerWindows;        // the player side's
    MessengerWindowApi& messengerWindows;  // the messenger side's
    RegistryApi& registry;
    ShellApi& shell;
    const AnsiCodec& ansi;
    MessageBoxService& messageBox;
};

}  // namespace brenvik
