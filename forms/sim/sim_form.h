#pragma once
// A loaded window of the headless runtime: its controls by identity, its visibility,
// and the user controls it hosts.
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "forms/controls_by_id.h"
#include "forms/forms.h"
#include "forms/sim/sim_controls.h"
#include "platform/sim/effect_log.h"

namespace brenvik::sim {

class SimHostedControl;

class SimForm final : public forms::Form {
public:
    SimForm(EffectLog& effects, const forms::FormLayout& layout);
    ~SimForm() override;

    forms::TextBox& TextBoxOf(forms::ControlId id) override;
    forms::Label& LabelOf(forms::ControlId id) override;
    forms::CommandButton& ButtonOf(forms::ControlId id) override;
    forms::CheckBox& CheckBoxOf(forms::ControlId id) override;
    forms::Timer& TimerOf(forms::ControlId id) override;
    void OnUserControlEvent(forms::ControlId control,
                            std::function<void(int, forms::EventArgs&)> handler) override;
    void OnShellRestarted(std::function<void()> handler) override {
        shellRestarted_ = std::move(handler);
    }
    void OnStartedAgain(std::function<void()> handler) override {
        startedAgain_ = std::move(handler);
    }
    void Show() override;
    void Hide() override;
    void Unload() override;

    // What a user does and sees.
    void Click(forms::ControlId button);
    bool ElapseTimer(forms::ControlId timer);  // true when a tick ran
    bool Visible() const { return visible_; }
    bool Loaded() const { return loaded_; }
    // The close button: the runtime unloads the window.
    void Close() { Unload(); }
    // A new shell's broadcast: each user control puts its icon back, then the
    // window's handler runs.
    void ShellRestarted();
    // Another start of the program asks this window to come forward.
    void StartedAgain();
    // The user control's site, to drive its window as the shell would.
    forms::UserControlSite& SiteOf(forms::ControlId control);
    forms::UserControl& UserControlOf(forms::ControlId control) override;

private:
    template <typename T>
    using ById = forms::ById<std::unique_ptr<T>>;

    EffectLog& effects_;
    ById<SimTextBox> textBoxes_;
    ById<SimLabel> labels_;
    ById<SimButton> buttons_;
    ById<SimCheckBox> checkBoxes_;
    ById<SimTimer> timers_;
    ById<SimHostedControl> userControls_;
    std::function<void()> shellRestarted_;
    std::function<void()> startedAgain_;
    bool visible_ = false;
    bool loaded_ = true;
};

}  // namespace brenvik::sim
