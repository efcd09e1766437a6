#pragma once
// Form1 on the headless window over a test backend: the simulation on Linux, the real
// registry and real windows under Wine. The registry and the messenger's windows are
// reached through recorders that write what they change (key creations, value writes,
// posts) into `log`, which the window writes too, so one record shows their order; a
// host test may name the simulation's own effect log there instead. The messenger's
// settings are cleared before and after; the platform, the runtime and the window are
// made in this order and gone in the reverse.
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "app/form1.h"
#include "app/form1_controls.h"
#include "app/other_programs.h"
#include "forms/sim/sim_form.h"
#include "forms/sim/sim_forms.h"
#include "tests/app/messenger_settings.h"
#include "tests/support/counting_registry_api.h"
#include "tests/support/recording_message_box.h"
#include "tests/support/test_backend.h"

namespace brenvik::testing {

using form1::Control;

class RecordingMessengerWindows final : public MessengerWindowApi {
public:
    RecordingMessengerWindows(MessengerWindowApi& inner, sim::EffectLog& log)
        : inner_(inner), log_(log) {}

    int searches = 0;

    Handle FindWindowA(const char* className, const char* windowName) override {
        ++searches;
        return inner_.FindWindowA(className, windowName);
    }
    bool PostMessageA(Handle window, std::uint32_t message, std::uint32_t wParam,
                      std::int32_t lParam) override {
        log_.Record("post " + std::to_string(message) + " " + std::to_string(wParam) + " " +
                    std::to_string(lParam));
        return inner_.PostMessageA(window, message, wParam, lParam);
    }

private:
    MessengerWindowApi& inner_;
    sim::EffectLog& log_;
};

class Form1Fixture {
public:
    // Form1 is made at once unless `loaded` is false: then Load makes it.
    explicit Form1Fixture(std::unique_ptr<TestBackend> windows = MakeTestBackend(),
                          sim::EffectLog* effects = nullptr, bool loaded = true)
        : backend(std::move(windows)), log(effects != nullptr ? *effects : ownLog_) {
        if (loaded) Load();
    }
    ~Form1Fixture() {
        form.reset();
        if (player != 0) backend->DestroyWindow(player);
        if (messenger != 0) backend->DestroyWindow(messenger);
    }

    void Load() { form = std::make_unique<Form1>(platform, runtime); }
    sim::SimForm& Window() { return runtime.LoadedForm(); }

    void StartPlayer(const std::string& title) {
        player = backend->CreateWindowOfClass(BRENVIK_PLAYER_WINDOW_CLASS, title);
    }
    void StartMessenger() {
        messenger = backend->CreateWindowOfClass(BRENVIK_MESSENGER_WINDOW_CLASS, "");
    }
    int CommandsReceived() {
        int count = 0;
        for (const auto& m : backend->Received(messenger))
            count += m.message == 0x111 && m.wParam == other_programs::kReadStatusCommand &&
                     m.lParam == 0;
        return count;
    }
    std::u16string Caption(forms::ControlId label) { return Window().LabelOf(label).Caption(); }
    void Type(forms::ControlId textBox, const std::u16string& text) {
        Window().TextBoxOf(textBox).SetText(text);
    }
    forms::Timer& Timer1() { return Window().TimerOf(Control::Timer1); }

private:
    sim::EffectLog ownLog_;

public:
    std::unique_ptr<TestBackend> backend;
    sim::EffectLog& log;
    CountingRegistryApi registry{backend->Registry(), &log};
    RecordingMessengerWindows messengerWindows{backend->MessengerWindows(), log};
    MessengerSettings settings{
        backend->Registry(), [this](const std::string& key) { backend->DeleteRegistryTree(key); }};
    RecordingMessageBox messageBox;
    Platform platform{.playerWindows = backend->PlayerWindows(),
                      .messengerWindows = messengerWindows,
                      .registry = registry,
                      .shell = backend->Shell(),
                      .ansi = backend->Ansi(),
                      .messageBox = messageBox};
    sim::SimRuntime runtime{log};
    std::unique_ptr<Form1> form;
    Handle player = 0;
    Handle messenger = 0;
};

// The same, as a test's fixture, with the window at hand.
class Form1Test : public ::testing::Test, public Form1Fixture {
protected:
    sim::SimForm& window = Window();
};

}  // namespace brenvik::testing
