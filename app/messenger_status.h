#pragma once
// The messenger side: custom status message 5 of the Yahoo! Messenger user whom the
// messenger's settings name. A publication reads the user ID, writes the text ("5")
// and the "invisible" flag ("5_DND") under the user's profile, and posts command 392
// to the messenger's window, which then takes the new status up.
#include <string>

#include "platform/window_api.h"
#include "registry/reg_routine.h"

namespace brenvik {

class MessengerStatus {
public:
    // What it calls: the messenger's window, and the registry as its accessor is
    // handed it.
    MessengerStatus(MessengerWindowApi& windows, const registry::RegistryAccess& registry)
        : windows_(windows), registry_(registry) {}

    // Publishes `text`; true once the messenger has been told (or, with no messenger
    // running, once both values are written). False when there is no user to write
    // to, or Windows refused a write or the post: then nothing was announced.
    bool Publish(const std::u16string& text, bool invisible);

    // A publication began writing and did not finish: the registry may hold values
    // that were never announced, so the next one is owed in full, whatever its text.
    bool Owed() const { return owed_; }

private:
    MessengerWindowApi& windows_;
    registry::RegistryAccess registry_;
    bool owed_ = false;
};

}  // namespace brenvik
