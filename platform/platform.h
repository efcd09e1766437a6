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

    // One object's windows for both sides, as the real adapter and the simulation have them.
    template <typename Windows>
    static Platform Of(Windows& windows, RegistryApi& registry, ShellApi& shell,
                       const AnsiCodec& ansi, MessageBoxService& messageBox) {
        return {windows, windows, registry, shell, ansi, messageBox};
    }
};

}  // namespace brenvik
