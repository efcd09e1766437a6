#pragma once
// Form1 on the headless window over the Windows a test chooses (the simulation, the
// real functions, or decorators over either): the messenger's settings cleared before
// and after, the program's platform, the runtime and the window, made in this order
// and gone in the reverse.
#include <memory>

#include "app/form1.h"
#include "app/form1_controls.h"
#include "forms/sim/sim_form.h"
#include "forms/sim/sim_forms.h"
#include "tests/app/messenger_settings.h"
#include "tests/support/recording_message_box.h"

namespace brenvik::testing {

using form1::Control;

// What Form1 is handed, and what the test sets the messenger's settings up through.
struct Form1Windows {
    PlayerWindowApi& playerWindows;
    MessengerWindowApi& messengerWindows;
    RegistryApi& registry;
    ShellApi& shell;
    const AnsiCodec& ansi;
    sim::EffectLog& effects;        // the window's visible effects go here
    RegistryApi& settingsRegistry;  // the test's own way to the registry
    MessengerSettings::TreeRemover deleteTree;
};

class Form1Harness {
public:
    // Form1 is made at once unless `loaded` is false: then Load makes it.
    explicit Form1Harness(const Form1Windows& with, bool loaded = true)
        : settings(with.settingsRegistry, with.deleteTree),
          platform{with.playerWindows, with.messengerWindows, with.registry, with.shell, with.ansi,
                   messageBox},
          runtime(with.effects) {
        if (loaded) Load();
    }

    void Load() { form = std::make_unique<Form1>(platform, runtime); }
    sim::SimForm& Window() { return runtime.LoadedForm(); }

    MessengerSettings settings;
    RecordingMessageBox messageBox;
    Platform platform;
    sim::SimRuntime runtime;
    std::unique_ptr<Form1> form;
};

}  // namespace brenvik::testing
