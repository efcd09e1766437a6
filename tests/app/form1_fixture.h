#pragma once
// Form1 on the headless window, with the backend's Windows underneath: the
// simulation on Linux, the real registry and real windows under Wine.
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "app/other_programs.h"
#include "tests/app/form1_harness.h"
#include "tests/app/recording_apis.h"
#include "tests/support/test_backend.h"

namespace brenvik::testing {

class Form1Test : public ::testing::Test {
protected:
    std::unique_ptr<TestBackend> backend = MakeTestBackend();
    sim::EffectLog log;
    RecordingRegistry registry{backend->Registry(), log};
    RecordingMessengerWindows messengerWindows{backend->MessengerWindows(), log};
    Form1Harness harness{{backend->PlayerWindows(), messengerWindows, registry, backend->Shell(),
                          backend->Ansi(), log, backend->Registry(),
                          [this](const std::string& key) { backend->DeleteRegistryTree(key); }}};
    MessengerSettings& settings = harness.settings;
    Platform& platform = harness.platform;
    std::unique_ptr<Form1>& form = harness.form;
    sim::SimForm& window = harness.Window();
    Handle player = 0;
    Handle messenger = 0;

    ~Form1Test() override {
        form.reset();
        if (player != 0) backend->DestroyWindow(player);
        if (messenger != 0) backend->DestroyWindow(messenger);
    }

    void StartPlayer(const std::string& title) {
        player = backend->CreateWindowOfClass(other_programs::kPlayerWindowClass<>, title);
    }
    void StartMessenger() {
        messenger = backend->CreateWindowOfClass(other_programs::kMessengerWindowClass<>, "");
    }
    int CommandsReceived() {
        int count = 0;
        for (const auto& m : backend->Received(messenger))
            count += m.message == 0x111 && m.wParam == other_programs::kReadStatusCommand &&
                     m.lParam == 0;
        return count;
    }

    std::u16string Caption(forms::ControlId label) { return window.LabelOf(label).Caption(); }
    std::u16string ButtonCaption(forms::ControlId button) {
        return window.ButtonOf(button).Caption();
    }
    void Type(forms::ControlId textBox, const std::u16string& text) {
        window.TextBoxOf(textBox).SetText(text);
    }
    forms::Timer& Timer1() { return window.TimerOf(Control::Timer1); }
};

}  // namespace brenvik::testing
